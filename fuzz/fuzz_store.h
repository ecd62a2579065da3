#pragma once

#include "core/report/reporter.h"
#include "core/store/project_store.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdlib>

// One project store per fuzzing process, on a database in memory (no disk traffic per run).
// What it would tell the user is not heard: a target judges the outcome it is given.
inline CProjectStore& FuzzStore()
{
    static int argc = 1;
    static char name[] = "merion-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static CSilentReporter reporter;
    static CProjectStore store(QStringLiteral(":memory:"), &reporter);
    static const bool connected = store.Connect();
    if (!connected)
        std::abort();
    return store;
}

inline QByteArray InputBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
