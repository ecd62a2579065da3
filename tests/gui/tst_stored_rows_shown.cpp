#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/download/download_dlg.h"
#include "gui/link/serial_line.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "gui/views/plx_view.h"
#include "core/files/text_import.h"
#include "core/link/link_texts.h"
#include "core/store/project_store.h"
#include "cli_runner.h"
#include "recording_reporter.h"
#include "scripted_stream.h"
#include "visible_dialogs.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace
{
// tests/data/t5_job.txt holds seven measurement records (t5_job.meas lists them by hand).
const QString JobFile = QStringLiteral(MERION_TEST_DATA "/t5_job.txt");
constexpr int JobRows = 7;
} // namespace

// The list always shows the rows its table holds, whoever wrote them and whenever: a job kept
// from an earlier run, points another program added while the window was closed, a job whose
// download window was closed before anything arrived.
class TestStoredRowsShown : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_run = 0;
    QString m_path;
    CRecordingReporter m_reporter;

    std::unique_ptr<CMerionApp> Start(std::shared_ptr<CScriptedStream> line = {})
    {
        AppOptions options{m_path, &m_reporter, false, {}};
        if (line)
            options.streams = [line] { return line; };
        auto app = std::make_unique<CMerionApp>(options);
        if (!app->InitInstance())
            return {};
        return app;
    }

    // A run before this one stored a job (an import stores it as a download does) and ended.
    void KeepJobFromEarlierRun()
    {
        std::unique_ptr<CMerionApp> earlier = Start();
        QVERIFY(earlier);
        QVERIFY(ImportFile(earlier->Store(), ImportType::T5, 0, JobFile).Succeeded());
        earlier->ExitInstance();
    }

    static QString RowCountPane(CMerionApp& app)
    {
        auto* pane = app.MainFrame()->statusBar()->findChild<QLabel*>(QStringLiteral("rowCountPane"));
        return pane ? pane->text() : QString();
    }

    static CDownloadDlg* OpenDownload(CMerionApp& app)
    {
        app.Commands().Run(Command::Download);
        const QList<CDownloadDlg*> dialogs = VisibleDialogs<CDownloadDlg>();
        return dialogs.isEmpty() ? nullptr : dialogs.last();
    }

    // What the list shows of the kept job: its rows, the count under it, and the measurement
    // exports of a row's context menu.
    static void CheckJobShown(CMerionApp& app)
    {
        CPlxView& view = *app.View();
        QCOMPARE(view.RowCount(), JobRows);
        QCOMPARE(RowCountPane(app), QStringLiteral("共 7 行"));
        QCOMPARE(view.CellText(1, 2), QStringLiteral("BS1"));
        std::unique_ptr<QMenu> menu(view.CreateContextMenu(0));
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 5);
        for (QAction* action : menu->actions())
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));
    }

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("project%1.db").arg(++m_run));
        m_reporter.Clear();
    }

    void keptJobShowsWhenTheDownloadWindowOpensAgainOrIsCancelled()
    {
        KeepJobFromEarlierRun();
        std::unique_ptr<CMerionApp> app = Start();
        QVERIFY(app);

        QPointer<CDownloadDlg> dialog = OpenDownload(*app);
        QVERIFY(dialog);
        QCOMPARE(app->Session().CurrentKind(), DataKind::Meas);
        CheckJobShown(*app);

        dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        QTRY_VERIFY(!dialog || !dialog->isVisible());
        CheckJobShown(*app);

        dialog = OpenDownload(*app);
        QVERIFY(dialog);
        CheckJobShown(*app);
        QCOMPARE(m_reporter.Messages(), QStringList());
        app->ExitInstance();
    }

    void keptJobStaysShownWhenTheDownloadWindowClosesMidTransfer()
    {
        KeepJobFromEarlierRun();
        // The instrument stays silent: the transfer runs until the window goes.
        auto line = std::make_shared<CScriptedStream>();
        line->PauseForReal(true);
        std::unique_ptr<CMerionApp> app = Start(line);
        QVERIFY(app);
        QPointer<CDownloadDlg> dialog = OpenDownload(*app);
        QVERIFY(dialog);
        dialog->findChild<QPushButton*>(QStringLiteral("parseButton"))->click();
        // Until a new job has arrived whole, the stored one is the job.
        CheckJobShown(*app);

        dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        QTRY_VERIFY(!dialog);
        // The port is free once the transfer has ended and handed in its result; until then
        // each try says the port is busy, and nothing else is said.
        QObject probe;
        QTRY_VERIFY(app->SerialLine().Claim(&probe));
        for (const QString& told : m_reporter.TakeMessages())
            QCOMPARE(told, LinkTexts::PortBusy.Text());
        QCOMPARE(app->Session().CurrentKind(), DataKind::Meas);
        CheckJobShown(*app);
        app->ExitInstance();
    }

    void pointsAddedByTheCommandLineWhileClosedShowAtStart()
    {
        for (const QStringList& words : {QStringList{"point", "add", "P1", "10", "20", "30", "KERB"},
                                         QStringList{"point", "add", "P2", "11", "21", "31"}})
        {
            const CliRun run = RunCli(m_path, words);
            QVERIFY2(run.exitCode == 0, qPrintable(run.Err()));
        }
        std::unique_ptr<CMerionApp> app = Start();
        QVERIFY(app);
        CPlxView& view = *app->View();
        QCOMPARE(app->Session().CurrentKind(), DataKind::Coor);
        QCOMPARE(view.RowCount(), 2);
        QCOMPARE(RowCountPane(*app), QStringLiteral("共 2 行"));
        // Columns: number, origin, name, N, E, Z, code; coordinates as the point command stores them.
        QCOMPARE(view.CellText(0, 2), QStringLiteral("P1"));
        QCOMPARE(view.CellText(0, 3), QStringLiteral("10.000"));
        QCOMPARE(view.CellText(0, 6), QStringLiteral("KERB"));
        QCOMPARE(view.CellText(1, 2), QStringLiteral("P2"));
        QCOMPARE(m_reporter.Messages(), QStringList());
        app->ExitInstance();
    }
};

QTEST_MAIN(TestStoredRowsShown)
#include "tst_stored_rows_shown.moc"
