#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "core/views/data_kind.h"
#include "gui/app/app_texts.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/app/recent_projects.h"
#include "gui/shell/command_actions.h"
#include "gui/views/plx_view.h"
#include "modal_answers.h"
#include "project_runs.h"
#include "recording_reporter.h"
#include "table_rows.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The program works on one project database at a time, and the user changes it without a
// restart: File → New Project…, Open Project… and the projects opened last. Leaving a project is
// its end of the run (hand work asked about, scratch lists emptied), and every window follows
// the new one.
class TestProjects : public CProjectRunsTest
{
    Q_OBJECT

private slots:
    void init() { BeginCase(); }
    void cleanup() { EndCase(); }

    void anOpenedProjectTakesThePlaceOfTheFirst()
    {
        MakeProject(PathOf("b.db"), {"Q1", "Q2"}, &m_reporter);
        QVERIFY(Start("a.db"));
        m_app->View()->ShowTable(DataKind::Coor);
        Open(PathOf("b.db"));
        QCOMPARE(ShownProject(), QStringLiteral("b.db"));
        QVERIFY(m_app->MainFrame()->windowTitle().startsWith(QStringLiteral("b.db - ")));
        QTRY_COMPARE(m_app->View()->RowCount(), 2);
        QCOMPARE(TableRows(m_app->Store(), QStringLiteral("select SN from CoorEdit order by ID")), (QStringList{"Q1", "Q2"}));
        // What is written now goes to the new project, nothing to the old one.
        QVERIFY(RunStatement(m_app->Store(), QStringLiteral("insert into CodeEdit(ID,ATTR,SN,CODE) values(1,'x','7','KERB')")));
        m_app->ExitInstance();
        m_app.reset();
        QVERIFY(QFile::exists(PathOf("a.db")));
        QCOMPARE(RecentProjects(m_settings.get()).value(0), QDir::cleanPath(PathOf("b.db")));
        QCOMPARE(RecentProjects(m_settings.get()).value(1), QDir::cleanPath(PathOf("a.db")));
        QCOMPARE(m_reporter.Messages(), QStringList());
    }

    void aNewProjectStartsEmptyAndNeverReplacesAFile()
    {
        QVERIFY(Start("a.db"));
        QVERIFY(RunStatement(m_app->Store(), QStringLiteral("insert into \"740Meas\"(ID,ATTR,SN) values(1,'OLD','S1')")));
        WhenShown<QFileDialog>([this](QFileDialog* dialog) { Choose(dialog, PathOf("fresh")); });
        m_app->Commands().Run(Command::NewProject);
        // The suffix comes with the file type.
        QCOMPARE(ShownProject(), QStringLiteral("fresh.db"));
        QVERIFY(QFile::exists(PathOf("fresh.db")));
        QCOMPARE(m_app->View()->RowCount(), 0);
        QCOMPARE(TableRows(m_app->Store(), QStringLiteral("select SN from \"740Meas\"")), QStringList());

        // An existing project chosen as a new one is neither emptied nor opened.
        WhenShown<QFileDialog>([this](QFileDialog* dialog) { Choose(dialog, PathOf("a.db")); });
        m_app->Commands().Run(Command::NewProject);
        QCOMPARE(ShownProject(), QStringLiteral("fresh.db"));
        QCOMPARE(m_reporter.TakeMessages(), QStringList{AppTexts::ProjectExists.Arg(QDir::toNativeSeparators(PathOf("a.db")))});
        m_app->ExitInstance();
        m_app.reset();
        CProjectStore first(PathOf("a.db"), &m_reporter);
        QCOMPARE(TableRows(first, QStringLiteral("select SN from \"740Meas\"")), QStringList{"S1"});
        first.Disconnect();
    }

    void theRecentProjectsOfferTheLastFiveOthers()
    {
        for (int i = 1; i <= 7; ++i)
            NoteRecentProject(m_settings.get(), PathOf(QStringLiteral("p%1.db").arg(i)));
        const QStringList recent = RecentProjects(m_settings.get());
        QCOMPARE(recent.size(), 5);
        QCOMPARE(recent.first(), QDir::cleanPath(PathOf("p7.db")));
        QCOMPARE(recent.last(), QDir::cleanPath(PathOf("p3.db")));

        MakeProject(PathOf("p6.db"), {"R1"}, &m_reporter);
        QVERIFY(Start("p7.db"));
        QMenu* menu = m_app->MainFrame()->RecentProjectsMenu();
        QVERIFY(menu);
        emit menu->aboutToShow();
        // The current project is not offered; the one file that exists can be chosen.
        QStringList offered;
        QAction* p6 = nullptr;
        for (QAction* item : menu->actions())
        {
            offered << item->text();
            if (item->text() == QDir::toNativeSeparators(QDir::cleanPath(PathOf("p6.db"))))
                p6 = item;
        }
        QCOMPARE(offered.size(), 4);
        QVERIFY(p6 && p6->isEnabled());
        QCOMPARE(menu->actions().last()->isEnabled(), false); // p3.db does not exist
        p6->trigger();
        QCOMPARE(ShownProject(), QStringLiteral("p6.db"));
        QTRY_COMPARE(m_app->View()->RowCount(), 1);
    }

};

QTEST_MAIN(TestProjects)
#include "tst_projects.moc"
