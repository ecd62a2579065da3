#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "core/edit/code_edit.h"
#include "core/edit/coor_edit.h"
#include "core/files/text_import.h"
#include "core/store/project_store.h"
#include "cli_runner.h"
#include "file_bytes.h"
#include "modal_answers.h"
#include "recording_reporter.h"
#include "table_rows.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace
{
// Answers the questions of the window's end as they come, each with the next named button,
// and a save dialog with `savePath`; keeps the texts asked.
class CExitAnswers : public QObject
{
public:
    CExitAnswers(QStringList buttons, QString savePath = {}) : m_buttons(std::move(buttons)), m_savePath(std::move(savePath))
    {
        connect(&m_timer, &QTimer::timeout, this, &CExitAnswers::Answer);
        m_timer.start(10);
    }
    const QStringList& Asked() const { return m_asked; }

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* chooser = qobject_cast<QFileDialog*>(modal))
            Choose(chooser, m_savePath);
        else if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->findChild<QPushButton*>("stayButton"))
        {
            // A question nobody expected is asked to stay, which the test then sees.
            m_asked << box->text();
            const QString button = m_buttons.isEmpty() ? QStringLiteral("stayButton") : m_buttons.takeFirst();
            box->findChild<QPushButton*>(button)->click();
        }
    }

    QStringList m_buttons;
    QString m_savePath;
    QStringList m_asked;
    QTimer m_timer;
};

const QString PointQuestion = QStringLiteral("坐标列表中有手工输入或修改的数据，自上次导出或上传以来尚未保存。\n"
                                             "退出将清空该列表（副本存入数据库旁的 discarded 文件夹）。\n是否先导出？");
const QString CodeQuestion = QStringLiteral("编码列表中有手工输入或修改的数据，自上次导出或上传以来尚未保存。\n"
                                            "退出将清空该列表（副本存入数据库旁的 discarded 文件夹）。\n是否先导出？");
} // namespace

// Ending the desktop program empties the point and code lists, as it always has; a list that
// holds hand work nothing else holds is asked about first, and every list it empties is copied
// to discarded/ beside the database, where the import reads it back.
class TestUnsavedLists : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_run = 0;
    QString m_folder;
    CRecordingReporter m_reporter;

    QString Path() const { return m_folder + QStringLiteral("/project.db"); }

    std::unique_ptr<CMerionApp> Start()
    {
        auto app = std::make_unique<CMerionApp>(AppOptions{Path(), &m_reporter, false, {}});
        if (!app->InitInstance())
            return {};
        return app;
    }

    QStringList Discarded(const QString& table) const
    {
        const QDir folder(m_folder + QStringLiteral("/discarded"));
        QStringList paths;
        for (const QString& name : folder.entryList({QStringLiteral("*-") + table + QStringLiteral("*.csv")}, QDir::Files))
            paths << folder.filePath(name);
        return paths;
    }

    static void AddTypedLists(CMerionApp& app)
    {
        QVERIFY(AddCoor(app.Store(), {"P1", "3456789.1", "512345.25", "12", QStringLiteral("树")}).Succeeded());
        QVERIFY(AddCode(app.Store(), {"7", "KERB"}).Succeeded());
    }

private slots:
    void init()
    {
        m_folder = m_dir.filePath(QStringLiteral("run%1").arg(++m_run));
        QVERIFY(QDir().mkpath(m_folder));
        m_reporter.Clear();
    }

    void cancelKeepsTheWindowAndEveryList()
    {
        std::unique_ptr<CMerionApp> app = Start();
        QVERIFY(app);
        AddTypedLists(*app);
        {
            CExitAnswers answers({"stayButton"});
            QVERIFY(!app->MainFrame()->close());
            QCOMPARE(answers.Asked(), QStringList{PointQuestion});
        }
        QCOMPARE(TableRows(app->Store(), "select SN from CoorEdit"), QStringList{"P1"});
        QCOMPARE(TableRows(app->Store(), "select SN from CodeEdit"), QStringList{"7"});
        QVERIFY(!QFileInfo::exists(m_folder + QStringLiteral("/discarded")));

        // Asked again at the next try; the hand work is still only here.
        {
            CExitAnswers answers({"exitAnywayButton", "exitAnywayButton"});
            QVERIFY(app->MainFrame()->close());
            QCOMPARE(answers.Asked(), (QStringList{PointQuestion, CodeQuestion}));
        }
        app->ExitInstance();
        QCOMPARE(m_reporter.Messages(), QStringList());
    }

    void exitAnywayEmptiesTheListsIntoCopiesTheImportReadsBack()
    {
        std::unique_ptr<CMerionApp> app = Start();
        QVERIFY(app);
        AddTypedLists(*app);
        {
            CExitAnswers answers({"exitAnywayButton", "exitAnywayButton"});
            QVERIFY(app->MainFrame()->close());
        }
        app->ExitInstance();
        app.reset();

        const QStringList points = Discarded(QStringLiteral("CoorEdit"));
        const QStringList codes = Discarded(QStringLiteral("CodeEdit"));
        QCOMPARE(points.size(), 1);
        QCOMPARE(codes.size(), 1);
        // name,N,E,Z,code with the three decimals the point dialog stores; number,text.
        QCOMPARE(FileBytes(points.first()), QByteArray("\xEF\xBB\xBFP1,3456789.100,512345.250,12.000,\xE6\xA0\x91\r\n"));
        QCOMPARE(FileBytes(codes.first()), QByteArray("\xEF\xBB\xBF" "7,KERB\r\n"));

        app = Start();
        QVERIFY(app);
        QCOMPARE(TableRows(app->Store(), "select count(*) from CoorEdit"), QStringList{"0"});
        QVERIFY(ImportFile(app->Store(), ImportType::Coor, 0, points.first()).Succeeded());
        QVERIFY(ImportFile(app->Store(), ImportType::Code, 0, codes.first()).Succeeded());
        QCOMPARE(TableRows(app->Store(), "select SN,NCOOR,ECOOR,ZCOOR,CODE from CoorEdit"),
                 QStringList{QStringLiteral("P1|3456789.100|512345.250|12.000|树")});
        QCOMPARE(TableRows(app->Store(), "select SN,CODE from CodeEdit"), QStringList{"7|KERB"});
        // Imported lists hold no hand work: the window closes without a question.
        {
            CExitAnswers answers({});
            QVERIFY(app->MainFrame()->close());
            QCOMPARE(answers.Asked(), QStringList());
        }
        app->ExitInstance();
        QCOMPARE(Discarded(QStringLiteral("CoorEdit")).size(), 2);
        QCOMPARE(m_reporter.Messages(), QStringList());
    }

    void exportFirstWritesTheListAndAsksNoMore()
    {
        std::unique_ptr<CMerionApp> app = Start();
        QVERIFY(app);
        QVERIFY(AddCoor(app->Store(), {"P1", "1", "2", "3", "KERB"}).Succeeded());
        const QString exported = m_folder + QStringLiteral("/points.txt");
        {
            CExitAnswers answers({"exportFirstButton"}, exported);
            QVERIFY(app->MainFrame()->close());
            QCOMPARE(answers.Asked(), QStringList{PointQuestion});
        }
        QCOMPARE(m_reporter.Messages(), QStringList{"Export Success!"});
        // The data export: name,N,E,Z,code in GBK with CR LF.
        QCOMPARE(FileBytes(exported), QByteArray("P1,1.000,2.000,3.000,KERB\r\n"));
        app->ExitInstance();
        QCOMPARE(Discarded(QStringLiteral("CoorEdit")).size(), 1);
    }

    // The hand work is stored with the rows: points typed on the command line while the window
    // was closed are asked about, until an export carries them away.
    void handWorkIsRememberedAcrossRunsUntilExported()
    {
        const CliRun add = RunCli(Path(), {"point", "add", "P1", "1", "2", "3"});
        QCOMPARE(add.exitCode, 0);
        std::unique_ptr<CMerionApp> app = Start();
        QVERIFY(app);
        {
            CExitAnswers answers({"stayButton"});
            QVERIFY(!app->MainFrame()->close());
            QCOMPARE(answers.Asked(), QStringList{PointQuestion});
        }
        const CliRun exported = RunCli(Path(), {"export", "data", m_folder + QStringLiteral("/p.txt"), "--kind", "coor"});
        QCOMPARE(exported.exitCode, 0);
        {
            CExitAnswers answers({});
            QVERIFY(app->MainFrame()->close());
            QCOMPARE(answers.Asked(), QStringList());
        }
        app->ExitInstance();
        // Exported or not, the emptied list is copied.
        QCOMPARE(Discarded(QStringLiteral("CoorEdit")).size(), 1);
        QCOMPARE(m_reporter.Messages(), QStringList());
    }
};

QTEST_MAIN(TestUnsavedLists)
#include "tst_unsaved_lists.moc"
