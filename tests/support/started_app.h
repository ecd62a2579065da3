#pragma once

#include "gui/app/merion_app.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "recording_reporter.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The program started on a fresh database in a temporary folder, its messages recorded (GUI
// tests only: needs Qt Widgets). Start it in a test's init() and stop it in cleanup().
class CStartedApp
{
public:
    bool Start()
    {
        QFile::remove(m_dir.filePath("project.db"));
        m_reporter.Clear();
        m_app = std::make_unique<CMerionApp>(AppOptions{m_dir.filePath("project.db"), &m_reporter, false});
        return m_app->InitInstance();
    }
    void Stop()
    {
        m_app->ExitInstance();
        m_app.reset();
    }

    CMerionApp& App() const { return *m_app; }
    CRecordingReporter& Reporter() { return m_reporter; }
    // Runs statements that must succeed (setting up a case).
    void Seed(const QStringList& statements)
    {
        for (const QString& statement : statements)
            QVERIFY(RunStatement(m_app->Store(), statement));
    }

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;
    std::unique_ptr<CMerionApp> m_app;
};
