#pragma once

#include "recording_reporter.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A project store on a new database file in a folder of its own, removed afterwards.
class CTestDatabase
{
public:
    CTestDatabase();
    ~CTestDatabase();

    QString Path() const { return m_path; }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }
    CProjectStore& Store() { return *m_store; }
    CRecordingReporter& Reporter() { return m_reporter; }

    // Runs statements that must succeed (setting up a test); fails the test otherwise.
    void Run(const QStringList& statements);
    // Every row of a query as its column texts joined by '|', in the order returned.
    QStringList Rows(const QString& sql);
    int Count(const QString& table);
    // Every column of 740Meas and of CoorEdit, in ID order.
    QStringList MeasRows();
    QStringList CoorRows();

private:
    QTemporaryDir m_dir;
    QString m_path;
    CRecordingReporter m_reporter;
    std::unique_ptr<CProjectStore> m_store;
};
