#pragma once

#include "core/report/reporter.h"
#include "core/store/project_store.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>

// Whatever a hostile text holds, the store must never refuse a row that a parser or an import
// makes of it: every column takes text. A message from the store is a finding, so it aborts.
class CFailingReporter final : public IReporter
{
public:
    void Message(const QString& text, MessageIcon) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::abort();
    }
    bool Confirm(const QString&) override { return true; }
};

// One project store per fuzzing process, on a database in memory (no disk traffic per run).
inline CProjectStore& FuzzStore()
{
    static int argc = 1;
    static char name[] = "merion-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static CFailingReporter reporter;
    static CProjectStore store(QStringLiteral(":memory:"), &reporter);
    static const bool connected = store.Connect();
    if (!connected)
        std::abort();
    return store;
}

// Empties the tables a run may have written, so each input starts from the same store.
inline void EmptyTables(CProjectStore& store, std::initializer_list<const char*> tables)
{
    for (const char* table : tables)
        store.ExecuteSql(QStringLiteral("delete from ") + QLatin1String(table));
}

inline QByteArray InputBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
