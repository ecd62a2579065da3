#include "gui/shell/command_actions.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/shell/session.h"
#include "gui/download/download_dlg.h"
#include "gui/download/download_dlg_texts.h"
#include "gui/link/serial_line.h"
#include "gui/link/transfer_runner.h"
#include "core/link/serial_port.h"
#include "core/link/link_texts.h"
#include "recording_reporter.h"
#include "scripted_stream.h"
#include "simulated_instrument.h"
#include "table_rows.h"
#include "visible_dialogs.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "core/views/data_kind.h"
#include "gui/views/plx_view.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QProgressBar>
#include <QStatusBar>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace
{
const QString JobFile = QStringLiteral(MERION_TEST_DATA "/t5_job.txt");

CDownloadDlg* OpenDialog(CMerionApp& app)
{
    app.Commands().Run(Command::Download);
    const QList<CDownloadDlg*> dialogs = VisibleDialogs<CDownloadDlg>();
    return dialogs.isEmpty() ? nullptr : dialogs.last();
}

bool PortIsFree(const QString& path)
{
    CSerialPort probe;
    return !probe.Open(path.toStdString(), {}).IsError();
}

QPushButton* Button(CDownloadDlg* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Both transfer buttons go together: one transfer at a time on the one port.
enum class Buttons { Enabled, Disabled, Mixed };
Buttons TransferButtons(CDownloadDlg* dialog)
{
    const bool parse = Button(dialog, "parseButton")->isEnabled();
    const bool raw = Button(dialog, "rawButton")->isEnabled();
    return parse != raw ? Buttons::Mixed : (parse ? Buttons::Enabled : Buttons::Disabled);
}

// Answers the save dialog as soon as it shows, again until it has gone: with a path typed
// into its name box, or by cancelling it. The timer goes when the dialog has.
QPointer<QTimer> AnswerSaveDialog(const QString& path)
{
    auto* timer = new QTimer;
    auto answered = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, path, answered] {
        for (QWidget* window : QApplication::topLevelWidgets())
        {
            auto* chooser = qobject_cast<QFileDialog*>(window);
            if (!chooser || !chooser->isVisible())
                continue;
            *answered = true;
            auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (path.isEmpty() || !name)
                chooser->reject();
            else
            {
                name->setText(path);
                static_cast<QDialog*>(chooser)->accept();
            }
            return;
        }
        if (*answered)
            timer->deleteLater();
    });
    timer->start(50);
    return timer;
}
} // namespace

class TestDownloadDlg : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_run = 0;

    // Each test on a project of its own.
    AppOptions Options(CRecordingReporter& reporter)
    {
        return AppOptions{m_dir.filePath(QStringLiteral("project%1.db").arg(++m_run)), &reporter, false, {}};
    }
    // The same with every transfer on a scripted line (its clock costs no time).
    AppOptions ScriptedOptions(CRecordingReporter& reporter, std::shared_ptr<CScriptedStream> line)
    {
        AppOptions options = Options(reporter);
        options.streams = [line] { return line; };
        return options;
    }

    // Starts the instrument sending the job on the port the default settings name (COM1).
    static bool StartInstrument(CSimulatedInstrument& instrument, int baud, const QStringList& options = {})
    {
        if (!instrument.StartSending(JobFile, baud, options))
            return false;
        qputenv("MERION_COM1", instrument.DevicePath().toLocal8Bit());
        return true;
    }

private slots:
    void cleanup()
    {
        qunsetenv("MERION_COM1");
    }

    void commandOpensTheDialog()
    {
        CRecordingReporter reporter;
        CMerionApp app(Options(reporter));
        QVERIFY(app.InitInstance());
        CDownloadDlg* dialog = OpenDialog(app);
        QVERIFY(dialog);
        QCOMPARE(app.Session().CurrentKind(), DataKind::Meas);
        QCOMPARE(app.View()->model()->columnCount(), 15);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("下载数据"));
        QCOMPARE(dialog->pos(), QPoint(350, 250));
        QCOMPARE(app.Transfers().downloadDialog.data(), dialog);

        auto* instruments = dialog->findChild<QComboBox*>(QStringLiteral("instrumentList"));
        QCOMPARE(instruments->count(), 3);
        QCOMPARE(instruments->itemText(0), QStringLiteral("T5/T5+"));
        QCOMPARE(instruments->itemText(1), QStringLiteral("T8"));
        QCOMPARE(instruments->itemText(2), QStringLiteral("T8 V2"));
        QCOMPARE(instruments->currentIndex(), 0);
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("downloadTypeList"));
        QVERIFY(!types->isEnabled());
        QCOMPARE(types->count(), 0);
        QCOMPARE(Button(dialog, "parseButton")->text(), QStringLiteral("解析下载"));
        QCOMPARE(Button(dialog, "rawButton")->text(), QStringLiteral("下载原始数据"));
        QCOMPARE(Button(dialog, "cancelButton")->text(), QStringLiteral("取消"));
        QStringList labels;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            if (label->isVisibleTo(dialog))
                labels << label->text();
        QCOMPARE(labels, QStringList({"仪器类型:", "下载类型:", "注：数据下载时，请勿做其它操作!"}));

        // A second command makes a new dialog, which becomes the download dialog.
        QPointer<CDownloadDlg> first = dialog;
        first->close();
        QTRY_VERIFY(!first);
        CDownloadDlg* second = OpenDialog(app);
        QVERIFY(second);
        QCOMPARE(app.Transfers().downloadDialog.data(), second);
        app.ExitInstance();
    }

    void versionTwoEntryChoosesTheRecordKind()
    {
        CRecordingReporter reporter;
        CMerionApp app(Options(reporter));
        QVERIFY(app.InitInstance());
        app.Transfers().downloadType = 3; // left by an earlier dialog
        CDownloadDlg* dialog = OpenDialog(app);
        auto* instruments = dialog->findChild<QComboBox*>(QStringLiteral("instrumentList"));
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("downloadTypeList"));

        instruments->setCurrentIndex(2);
        QVERIFY(types->isEnabled());
        QStringList entries;
        for (int i = 0; i < types->count(); ++i)
            entries << types->itemText(i);
        QCOMPARE(entries, QStringList({"Meas-Data", "Coor-Data", "Road Stake Out", "X-Sect Measurement",
                                       "Plane Alignment Element"}));
        // The shown first type is the one a download parses, not the one left over.
        QCOMPARE(types->currentIndex(), 0);
        QCOMPARE(app.Transfers().downloadType, 0);
        QCOMPARE(app.Session().CurrentKind(), DataKind::V2Meas);
        QCOMPARE(app.View()->model()->columnCount(), 23);

        types->setCurrentIndex(1);
        QCOMPARE(app.Session().CurrentKind(), DataKind::Coor);
        types->setCurrentIndex(4);
        QCOMPARE(app.Session().CurrentKind(), DataKind::Alignment);
        QCOMPARE(app.Transfers().downloadType, 4);

        instruments->setCurrentIndex(1);
        QVERIFY(!types->isEnabled());
        QCOMPARE(types->count(), 0);
        app.ExitInstance();
    }

    void parsingDownloadFillsTheList()
    {
        CRecordingReporter reporter;
        auto line = std::make_shared<CScriptedStream>();
        // A moment before the job, so the list can be switched while the transfer runs.
        line->PauseForReal(true);
        line->SendAt(300, FileBytes(JobFile) + "\x04");
        CMerionApp app(ScriptedOptions(reporter, line));
        QVERIFY(app.InitInstance());

        QPointer<CDownloadDlg> dialog = OpenDialog(app);
        Button(dialog, "parseButton")->click();
        QCOMPARE(TransferButtons(dialog), Buttons::Disabled);
        QCOMPARE(app.View()->RowCount(), 0);
        // The transfer took its data kind when it started: showing the points now changes nothing.
        app.Commands().Run(Command::ShowCoor);
        QCOMPARE(app.Session().CurrentKind(), DataKind::Coor);

        QTRY_VERIFY_WITH_TIMEOUT(!dialog, 15000);
        QCOMPARE(reporter.Messages(), QStringList());
        QCOMPARE(app.Session().CurrentKind(), DataKind::Meas);
        QCOMPARE(TableRows(app.Store(), QStringLiteral("select * from \"740Meas\" order by ID")), ExpectedRows("t5_job.meas"));
        QCOMPARE(TableRows(app.Store(), QStringLiteral("select * from CoorEdit order by ID")), ExpectedRows("t5_job.coor"));
        CPlxView* view = app.View();
        QCOMPARE(view->model()->columnCount(), 15);
        QCOMPARE(view->RowCount(), 7);
        QCOMPARE(view->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("点名"));
        QCOMPARE(view->CellText(1, 2), QStringLiteral("BS1"));
        QCOMPARE(view->CellText(6, 14), QStringLiteral("测站一, 晴"));
        app.ExitInstance();
    }

    void missingPortLeavesBothButtonsUsable()
    {
        CRecordingReporter reporter;
        CMerionApp app(Options(reporter));
        QVERIFY(app.InitInstance());
        qputenv("MERION_COM1", m_dir.filePath(QStringLiteral("no-such-tty")).toLocal8Bit());
        CDownloadDlg* dialog = OpenDialog(app);
        Button(dialog, "parseButton")->click();
        QTRY_COMPARE(reporter.Messages(), QStringList{LinkTexts::PortUnavailable(1)});
        QCOMPARE(reporter.Messages().first(), QStringLiteral("COM1 doesn't exist or be\nopened by another program!"));
        QCOMPARE(reporter.Icons().first(), MessageIcon::Exclamation);
        QCOMPARE(TransferButtons(dialog), Buttons::Enabled);
        app.ExitInstance();
    }

    void rawDownloadTimesOutWhileThePointsShow()
    {
        CRecordingReporter reporter;
        CMerionApp app(ScriptedOptions(reporter, std::make_shared<CScriptedStream>()));
        QVERIFY(app.InitInstance());
        CDownloadDlg* dialog = OpenDialog(app);
        app.Commands().Run(Command::ShowCoor);

        Button(dialog, "rawButton")->click();
        QCOMPARE(TransferButtons(dialog), Buttons::Disabled);
        // The record loop: 801 polls of 5 ms.
        QTRY_COMPARE(reporter.Messages(), QStringList{"Connect Timeout!"});
        QCOMPARE(TransferButtons(dialog), Buttons::Enabled);
        app.ExitInstance();
    }

    void aBrokenDownloadKeepsTheStoredJobOnShow()
    {
        CRecordingReporter reporter;
        auto line = std::make_shared<CScriptedStream>();
        line->SendAt(0, "A,P1,1.0,2.0,3.0\r\n");
        line->HangUpAt(500);
        CMerionApp app(ScriptedOptions(reporter, line));
        QVERIFY(app.InitInstance());
        QVERIFY(RunStatement(app.Store(), "insert into \"740Meas\"(ID,ATTR,SN) values(1,'OLD','OLD')"));
        QPointer<CDownloadDlg> dialog = OpenDialog(app);
        const QSize before = dialog->size();
        Button(dialog, "parseButton")->click();
        // The progress takes room while the transfer runs and gives it back when it ends.
        QVERIFY(dialog->height() > before.height());
        QTRY_COMPARE(reporter.Messages().size(), 1);
        QCOMPARE(TransferButtons(dialog), Buttons::Enabled);
        QVERIFY(dialog);
        QCOMPARE(dialog->size(), before);
        // The old job is still stored and shown; the bytes that came are in downloads/, and the
        // message says both.
        QCOMPARE(TableRows(app.Store(), QStringLiteral("select SN from \"740Meas\"")), QStringList{"OLD"});
        QCOMPARE(app.View()->RowCount(), 1);
        const QDir kept(m_dir.filePath(QStringLiteral("downloads")));
        const QString told = QStringLiteral("Download Interrupted! 18 bytes received.\n") +
                             DownloadDlgTexts::StoredJobKept.Text() + QStringLiteral("\nThe received data is kept in\n");
        const QString message = reporter.Messages().first();
        QVERIFY2(message.startsWith(told), qPrintable(message));
        // The file it names in downloads/ holds the bytes that came.
        const QFileInfo keptFile(message.mid(told.size()));
        QCOMPARE(keptFile.absolutePath(), kept.absolutePath());
        QCOMPARE(FileBytes(keptFile.filePath()), QByteArray("A,P1,1.0,2.0,3.0\r\n"));
        app.ExitInstance();
    }

    // The transfer has ended but its result is still on its way when the surveyor closes the
    // window: the job is stored and its bytes kept all the same.
    void aDialogClosedAsItsTransferEndsStillStoresTheJob()
    {
        CRecordingReporter reporter;
        auto line = std::make_shared<CScriptedStream>();
        line->SendAt(0, FileBytes(JobFile) + "\x04");
        CMerionApp app(ScriptedOptions(reporter, line));
        QVERIFY(app.InitInstance());
        QPointer<CDownloadDlg> dialog = OpenDialog(app);
        Button(dialog, "parseButton")->click();
        // The worker ends (its thread belongs to the transfer's runner); with no event handled
        // meanwhile, its result waits in the event queue.
        auto* runner = app.SerialLine().findChild<CTransferRunner*>();
        QVERIFY(runner);
        QThread* worker = runner->findChild<QThread*>();
        QVERIFY(worker);
        QVERIFY(worker->wait(15000));
        delete dialog.data();
        QTRY_COMPARE(TableRows(app.Store(), QStringLiteral("select * from \"740Meas\" order by ID")),
                     ExpectedRows("t5_job.meas"));
        QVERIFY(!QDir(m_dir.filePath(QStringLiteral("downloads"))).entryList(QDir::Files).isEmpty());
        QCOMPARE(reporter.Messages(), QStringList());
        app.ExitInstance();
    }

    void progressShowsInTheDialogAndTheStatusBar()
    {
        CRecordingReporter reporter;
        auto line = std::make_shared<CScriptedStream>();
        line->PauseForReal(true);
        const QByteArray job = FileBytes(JobFile);
        const qsizetype twoLines = job.indexOf('\n', job.indexOf('\n') + 1) + 1;
        line->SendAt(0, job.left(twoLines));
        line->SendAt(600, job.mid(twoLines) + "\x04");
        CMerionApp app(ScriptedOptions(reporter, line));
        QVERIFY(app.InitInstance());
        QPointer<CDownloadDlg> dialog = OpenDialog(app);
        Button(dialog, "parseButton")->click();
        QPointer<QLabel> text = dialog->findChild<QLabel*>(QStringLiteral("progressText"));
        QVERIFY(text);
        QTRY_COMPARE(text->text(), QStringLiteral("已接收 %1 字节，2 行").arg(twoLines));
        QVERIFY(dialog->findChild<QProgressBar*>(QStringLiteral("progressBar"))->isVisibleTo(dialog));
        QCOMPARE(app.MainFrame()->statusBar()->currentMessage(), text->text());
        QTRY_VERIFY(!dialog);
        QCOMPARE(app.MainFrame()->statusBar()->currentMessage(), QString());
        QCOMPARE(reporter.Messages(), QStringList());
        app.ExitInstance();
    }

    void closingTheDialogEndsItsTransfer()
    {
        CRecordingReporter reporter;
        CMerionApp app(Options(reporter));
        QVERIFY(app.InitInstance());
        CSimulatedInstrument instrument;
        QVERIFY(StartInstrument(instrument, 0, {"--delay-ms", "60000"}));
        QPointer<CDownloadDlg> dialog = OpenDialog(app);
        Button(dialog, "parseButton")->click();
        QVERIFY(instrument.WaitForLine(QStringLiteral("port opened")));
        QElapsedTimer clock;
        clock.start();
        Button(dialog, "cancelButton")->click();
        QTRY_VERIFY(!dialog);
        // Well before the 8 s of the time-out, without its message, the port closed.
        QVERIFY(clock.elapsed() < 2000);
        // The worker let the port go: another opener gets it.
        QTRY_VERIFY(PortIsFree(instrument.DevicePath()));
        QCOMPARE(reporter.Messages(), QStringList());
        app.ExitInstance();
    }

    void rawDownloadIsSavedUnchanged()
    {
        CRecordingReporter reporter;
        auto line = std::make_shared<CScriptedStream>();
        CMerionApp app(ScriptedOptions(reporter, line));
        QVERIFY(app.InitInstance());
        CDownloadDlg* dialog = OpenDialog(app);
        const QString path = m_dir.filePath(QStringLiteral("raw.txt"));
        {
            line->SendAt(line->Now(), FileBytes(JobFile) + "\x04");
            QPointer<QTimer> answer = AnswerSaveDialog(path);
            Button(dialog, "rawButton")->click();
            QTRY_VERIFY(!answer);
            QCOMPARE(FileBytes(path), FileBytes(JobFile));
            QCOMPARE(reporter.Messages(), QStringList());
            QCOMPARE(TransferButtons(dialog), Buttons::Enabled);
        }
        {
            line->SendAt(line->Now(), FileBytes(JobFile) + "\x04");
            QPointer<QTimer> answer = AnswerSaveDialog(QString());
            Button(dialog, "rawButton")->click();
            QTRY_VERIFY(!answer);
            // Cancelling the save dialog loses nothing: the bytes are in downloads/ and the
            // message says where.
            QCOMPARE(reporter.Messages().size(), 1);
            const QString kept = reporter.Messages().first().section('\n', 1);
            QVERIFY(reporter.Messages().first().startsWith(QStringLiteral("The received data is kept in\n")));
            QCOMPARE(FileBytes(kept), FileBytes(JobFile));
        }
        // A raw download neither clears nor fills the measurement table.
        QCOMPARE(TableRows(app.Store(), QStringLiteral("select count(*) from \"740Meas\"")), QStringList{"0"});
        app.ExitInstance();
    }
};

QTEST_MAIN(TestDownloadDlg)
#include "tst_download_dlg.moc"
