#pragma once

#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "gui/app/merion_app.h"
#include "gui/shell/command_actions.h"
#include "modal_answers.h"
#include "recording_reporter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A project made by an earlier run, its point list left in it.
inline void MakeProject(const QString& path, const QStringList& points, IReporter* reporter)
{
    CProjectStore store(path, reporter);
    QVERIFY(store.Connect());
    int id = 0;
    for (const QString& name : points)
        QVERIFY(RunStatement(store, QStringLiteral("insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) "
                                                   "values(?,'Import_Data',?,'1','2','3','')"),
                             {++id, name}));
    store.Disconnect();
}

// The desktop program's runs on projects, each test case in a folder of its own with its own
// settings: a test class derives from it and calls BeginCase from init and EndCase from cleanup.
class CProjectRunsTest : public QObject
{
protected:
    QTemporaryDir m_dir;
    int m_case = 0;
    QString m_folder;
    CRecordingReporter m_reporter;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<CMerionApp> m_app;

    QString PathOf(const QString& name) const { return m_folder + QLatin1Char('/') + name; }

    bool Start(const QString& name)
    {
        m_app = std::make_unique<CMerionApp>(AppOptions{PathOf(name), &m_reporter, false, m_settings.get()});
        return m_app->InitInstance();
    }
    QString ShownProject() const { return QFileInfo(m_app->Store().DatabasePath()).fileName(); }
    void Open(const QString& path)
    {
        WhenShown<QFileDialog>([path](QFileDialog* dialog) { Choose(dialog, path); });
        m_app->Commands().Run(Command::OpenProject);
    }

    void BeginCase()
    {
        m_folder = m_dir.filePath(QStringLiteral("case%1").arg(++m_case));
        QVERIFY(QDir().mkpath(m_folder));
        m_settings = std::make_unique<QSettings>(PathOf(QStringLiteral("settings.ini")), QSettings::IniFormat);
        m_reporter.Clear();
    }
    void EndCase()
    {
        if (m_app)
            m_app->ExitInstance();
        m_app.reset();
        m_settings.reset();
    }
};
