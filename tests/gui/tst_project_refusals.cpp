#include "core/edit/coor_edit.h"
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

namespace
{
// Answers the question about hand work with the named button, and keeps the questions asked.
class CListQuestionAnswer : public QObject
{
public:
    explicit CListQuestionAnswer(QString button) : m_button(std::move(button))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->findChild<QPushButton*>(QStringLiteral("stayButton")))
                return;
            m_asked << box->text() + QLatin1Char('|') + box->findChild<QPushButton*>(QStringLiteral("exitAnywayButton"))->text();
            box->findChild<QPushButton*>(m_button)->click();
        });
        m_timer.start(10);
    }
    const QStringList& Asked() const { return m_asked; }

private:
    QString m_button;
    QStringList m_asked;
    QTimer m_timer;
};

QStringList StoredPoints(const QString& path, IReporter* reporter)
{
    CProjectStore store(path, reporter);
    const QStringList points = TableRows(store, QStringLiteral("select SN from CoorEdit order by ID"));
    store.Disconnect();
    return points;
}
} // namespace

// Another project takes the place of this one only when nothing is lost by it: hand work is
// asked about as at the end of a run, a project another copy runs on and a file that is no
// project are refused, and a second start on the same project brings its window forward.
class TestProjectRefusals : public CProjectRunsTest
{
    Q_OBJECT

private slots:
    void init() { BeginCase(); }
    void cleanup() { EndCase(); }

    void handWorkIsAskedAboutBeforeTheProjectChanges()
    {
        MakeProject(PathOf("b.db"), {"Q1"}, &m_reporter);
        QVERIFY(Start("a.db"));
        QVERIFY(AddCoor(m_app->Store(), {"P1", "1", "2", "3", ""}).Succeeded());
        const QString question = QStringLiteral("坐标列表中有手工输入或修改的数据，自上次导出或上传以来尚未保存。\n"
                                                "打开另一个项目将清空该列表（副本存入数据库旁的 discarded 文件夹）。\n是否先导出？|仍然切换");
        {
            CListQuestionAnswer stay(QStringLiteral("stayButton"));
            Open(PathOf("b.db"));
            QCOMPARE(stay.Asked(), QStringList{question});
        }
        QCOMPARE(ShownProject(), QStringLiteral("a.db"));
        QCOMPARE(TableRows(m_app->Store(), QStringLiteral("select SN from CoorEdit")), QStringList{"P1"});
        {
            CListQuestionAnswer anyway(QStringLiteral("exitAnywayButton"));
            Open(PathOf("b.db"));
            QCOMPARE(anyway.Asked(), QStringList{question});
        }
        QCOMPARE(ShownProject(), QStringLiteral("b.db"));
        // The first project's list went where the end of a run puts it.
        QCOMPARE(StoredPoints(PathOf("a.db"), &m_reporter), QStringList());
        QCOMPARE(QDir(PathOf("discarded")).entryList({QStringLiteral("*-CoorEdit*.csv")}, QDir::Files).size(), 1);
    }

    void aProjectThatCannotBeOpenedLeavesTheFirstInPlace()
    {
        QVERIFY(Start("a.db"));
        QVERIFY(RunStatement(m_app->Store(), QStringLiteral("insert into CoorEdit(ID,ATTR,SN) values(1,'x','P1')")));
        // Another copy works on b.db: it is not opened a second time.
        MakeProject(PathOf("b.db"), {"Q1"}, &m_reporter);
        CRecordingReporter otherReporter;
        CMerionApp other(AppOptions{PathOf("b.db"), &otherReporter, false});
        QVERIFY(other.InitInstance());
        Open(PathOf("b.db"));
        QCOMPARE(ShownProject(), QStringLiteral("a.db"));
        QCOMPARE(m_reporter.TakeMessages(), QStringList{AppTexts::ProjectInUse.Arg(QDir::toNativeSeparators(PathOf("b.db")))});
        other.ExitInstance();

        // A file that is no database is refused with the engine's words, and left as it was.
        QFile text(PathOf("notes.db"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray("P1,1,2,3\r\n").repeated(100));
        text.close();
        Open(PathOf("notes.db"));
        QCOMPARE(ShownProject(), QStringLiteral("a.db"));
        QCOMPARE(m_reporter.TakeMessages().size(), 1);
        QCOMPARE(QFile(PathOf("notes.db")).size(), qint64(1000));
        QCOMPARE(TableRows(m_app->Store(), QStringLiteral("select SN from CoorEdit")), QStringList{"P1"});
    }

    void aSecondStartBringsTheRunningWindowForward()
    {
        QVERIFY(Start("a.db"));
        CMainFrame* frame = m_app->MainFrame();
        frame->show();
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &elsewhere);

        CRecordingReporter secondReporter;
        CMerionApp second(AppOptions{PathOf("a.db"), &secondReporter, false});
        QVERIFY(!second.InitInstance());
        QCOMPARE(secondReporter.Messages(), QStringList{"Merion Application Already Running!"});
        QTRY_COMPARE(QApplication::activeWindow(), frame);
    }
};

QTEST_MAIN(TestProjectRefusals)
#include "tst_project_refusals.moc"
