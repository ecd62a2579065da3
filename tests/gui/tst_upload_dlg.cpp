#include "gui/shell/command_actions.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/shell/session.h"
#include "gui/link/serial_line.h"
#include "gui/link/transfer_runner.h"
#include "recording_reporter.h"
#include "scripted_stream.h"
#include "simulated_instrument.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "gui/upload/upload_dlg.h"
#include "core/views/data_kind.h"
#include "gui/views/plx_view.h"
#include "visible_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{
QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// The dialog that the upload command opens.
CUploadDlg* OpenUploadDialog(CMerionApp& app)
{
    const QList<CUploadDlg*> before = VisibleDialogs<CUploadDlg>();
    app.Commands().Run(Command::Upload);
    for (CUploadDlg* dialog : VisibleDialogs<CUploadDlg>())
        if (!before.contains(dialog))
            return dialog;
    return nullptr;
}

// One started application on a database of its own; the serial port number 1 leads to `device`.
struct UploadFixture
{
    explicit UploadFixture(const QString& device)
    {
        qputenv("MERION_COM1", device.toLocal8Bit());
        app = std::make_unique<CMerionApp>(AppOptions{dir.filePath(QStringLiteral("project.db")), &reporter, false, {}});
        app->InitInstance();
    }
    ~UploadFixture()
    {
        app->ExitInstance();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Run(const QStringList& statements)
    {
        for (const QString& statement : statements)
            QVERIFY(RunStatement(app->Store(), statement));
    }

    QTemporaryDir dir;
    CRecordingReporter reporter;
    std::unique_ptr<CMerionApp> app;
};

QComboBox* Instruments(CUploadDlg* dialog) { return dialog->findChild<QComboBox*>(QStringLiteral("instrumentList")); }
QComboBox* Categories(CUploadDlg* dialog) { return dialog->findChild<QComboBox*>(QStringLiteral("categoryList")); }
QPushButton* UploadButton(CUploadDlg* dialog) { return dialog->findChild<QPushButton*>(QStringLiteral("uploadButton")); }
QPushButton* CancelButton(CUploadDlg* dialog) { return dialog->findChild<QPushButton*>(QStringLiteral("cancelButton")); }
} // namespace

class TestUploadDlg : public QObject
{
    Q_OBJECT

private slots:
    void commandOpensTheDialogOverTheCoordinates()
    {
        UploadFixture fixture(QStringLiteral("/nonexistent/merion-port"));
        fixture.Run({"insert into CoorEdit values(1,'a','P1','1','2','3','C')",
                     "insert into \"520SurLine\" values(1,'a','0','0','','100','200')",
                     "insert into \"520SurLine\" values(2,'a','3','80','','150','250')"});
        CMerionApp& app = *fixture.app;
        app.View()->ShowTable(DataKind::Code);

        CUploadDlg* dialog = OpenUploadDialog(app);
        QVERIFY(dialog);
        QCOMPARE(app.Session().CurrentKind(), DataKind::Coor);
        QCOMPARE(app.View()->RowCount(), 1);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("上传数据"));
        QCOMPARE(dialog->pos(), QPoint(350, 250));
        QCOMPARE(app.Transfers().uploadDialog.data(), dialog);
        QCOMPARE(Items(Instruments(dialog)), QStringList({"T5/T5+", "T8", "T8 V2"}));
        QCOMPARE(Instruments(dialog)->currentIndex(), 0);
        QCOMPARE(Items(Categories(dialog)), QStringList{"坐标数据"});
        QCOMPARE(UploadButton(dialog)->text(), QStringLiteral("上传"));
        QCOMPARE(CancelButton(dialog)->text(), QStringLiteral("取消"));

        // Only the version 2 entry offers the alignment; choosing it shows the alignment.
        Instruments(dialog)->setCurrentIndex(CUploadDlg::T8V2);
        QCOMPARE(Items(Categories(dialog)), QStringList({"坐标数据", "Plane Alignment"}));
        QCOMPARE(Categories(dialog)->currentIndex(), 0);
        Categories(dialog)->setCurrentIndex(1);
        QCOMPARE(app.Transfers().uploadCategory, 1);
        QCOMPARE(app.Session().CurrentKind(), DataKind::Alignment);
        QCOMPARE(app.View()->RowCount(), 2);
        QCOMPARE(app.View()->CellText(0, 3), QStringLiteral("0"));

        // Another instrument has no alignment: the category, and the list, fall back to the points.
        Instruments(dialog)->setCurrentIndex(CUploadDlg::T8);
        QCOMPARE(Items(Categories(dialog)), QStringList{"坐标数据"});
        QCOMPARE(app.Transfers().uploadCategory, 0);
        QCOMPARE(app.Session().CurrentKind(), DataKind::Coor);
        QCOMPARE(app.View()->RowCount(), 1);

        // Every command makes another dialog, and the newest is the one the application knows.
        CUploadDlg* second = OpenUploadDialog(app);
        QVERIFY(second && second != dialog);
        QCOMPARE(app.Transfers().uploadDialog.data(), second);
        QVERIFY(fixture.reporter.Messages().isEmpty());
    }

    void uploadRunsBesideAWindowThatKeepsWorking()
    {
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving());
        UploadFixture fixture(instrument.DevicePath());
        fixture.Run({"insert into CoorEdit values(1,'a','P1','1234.5','567.25','10','TREE')",
                     "insert into CoorEdit values(2,'a','P2','1','2','3','')",
                     "insert into CoorEdit values(3,'a','P3','4','5','6','')"});
        CUploadDlg* dialog = OpenUploadDialog(*fixture.app);
        QVERIFY(dialog);

        QElapsedTimer clicked;
        clicked.start();
        UploadButton(dialog)->click();
        // Three lines take 300 ms; the click returns long before.
        QVERIFY(clicked.elapsed() < 200);
        QVERIFY(!UploadButton(dialog)->isEnabled());
        QCOMPARE(fixture.app->Session().CurrentKind(), DataKind::UploadT5);
        QTRY_COMPARE_WITH_TIMEOUT(fixture.reporter.Messages(), QStringList{"Upload Complete!"}, 5000);
        QTRY_VERIFY(UploadButton(dialog)->isEnabled());
        QVERIFY(instrument.WaitForFinished());
        QCOMPARE(instrument.Received(), QByteArray("P1,1234.500000,567.250000,10.000000\r\n"
                                                   "P2,1.000000,2.000000,3.000000\r\n"
                                                   "P3,4.000000,5.000000,6.000000\r\n\x04"));
    }

    void theDialogSendsTheCategoryItShows()
    {
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving({"--initial-dc1", "--dc1-each"}));
        UploadFixture fixture(instrument.DevicePath());
        fixture.Run({"insert into CoorEdit values(1,'a','P1','1','2','3','C')",
                     "insert into \"520SurLine\" values(1,'a','1','12.5','300','105','205')",
                     "insert into \"520SurLine\" values(2,'a','0','0','','100','200')"});
        CUploadDlg* dialog = OpenUploadDialog(*fixture.app);
        QVERIFY(dialog);
        Instruments(dialog)->setCurrentIndex(CUploadDlg::T8V2);
        Categories(dialog)->setCurrentIndex(1);
        UploadButton(dialog)->click();
        QCOMPARE(fixture.app->Session().CurrentKind(), DataKind::UploadV2);
        QTRY_COMPARE_WITH_TIMEOUT(fixture.reporter.Messages(), QStringList{"Upload Complete!"}, 5000);
        QTRY_VERIFY(UploadButton(dialog)->isEnabled());
        QVERIFY(instrument.WaitForFinished());
        QCOMPARE(instrument.Received(), QByteArray("0,0,,100,200,\r\n1,12.5,300,105,205,\r\n\x04"));
    }

    void aPortThatWillNotOpenLeavesTheButtonUsable()
    {
        UploadFixture fixture(QStringLiteral("/nonexistent/merion-port"));
        fixture.Run({"insert into CoorEdit values(1,'a','P1','1','2','3','C')"});
        CUploadDlg* dialog = OpenUploadDialog(*fixture.app);
        QVERIFY(dialog);
        UploadButton(dialog)->click();
        QTRY_COMPARE(fixture.reporter.Messages(), QStringList{"COM1 doesn't exist or be\nopened by another program!"});
        QTRY_VERIFY(UploadButton(dialog)->isEnabled());
    }

    void aBadRowIsNamedAndNothingIsOpened()
    {
        UploadFixture fixture(QStringLiteral("/nonexistent/merion-port"));
        fixture.Run({"insert into CoorEdit values(1,'a','P1','1','2','3','C')",
                     "insert into CoorEdit values(2,'a','K7','1','2',NULL,'C')"});
        CUploadDlg* dialog = OpenUploadDialog(*fixture.app);
        QVERIFY(dialog);
        UploadButton(dialog)->click();
        QCOMPARE(fixture.reporter.Messages(), QStringList{"Point K7 has no height (Z).\nNothing was uploaded."});
        QVERIFY(UploadButton(dialog)->isEnabled());
        // No port message can follow: no transfer was started, so the port was never tried.
        QVERIFY(!fixture.app->SerialLine().findChild<CTransferRunner*>());
        QCOMPARE(fixture.reporter.Messages().size(), 1);
    }

    void cancelSendsEotAtOnceAndShowsNothingMore()
    {
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving({"--timeout-ms", "3000"}));
        UploadFixture fixture(instrument.DevicePath());
        QStringList rows;
        for (int i = 1; i <= 30; ++i)
            rows << QStringLiteral("insert into CoorEdit values(%1,'a','P%1','1','2','3','')").arg(i);
        fixture.Run(rows);
        CUploadDlg* dialog = OpenUploadDialog(*fixture.app);
        QVERIFY(dialog);
        UploadButton(dialog)->click();
        QVERIFY(instrument.WaitForLine(QStringLiteral("line 1")));

        QElapsedTimer cancelled;
        cancelled.start();
        CancelButton(dialog)->click();
        QTRY_VERIFY(VisibleDialogs<CUploadDlg>().isEmpty());
        QVERIFY(cancelled.elapsed() < 200);
        QVERIFY(instrument.WaitForFinished());
        const QByteArray received = instrument.Received();
        QVERIFY(received.endsWith("\x04"));
        QCOMPARE(received.count('\x04'), 1);
        QVERIFY(received.count('\n') < 30);
        // The runner goes once its result has been handed in: by then anything to say was said.
        QTRY_VERIFY(!fixture.app->SerialLine().findChild<CTransferRunner*>());
        QVERIFY(fixture.reporter.Messages().isEmpty());
    }

    void progressCountsTheLinesAndTheTimeLeft()
    {
        QTemporaryDir dir;
        CRecordingReporter reporter;
        auto line = std::make_shared<CScriptedStream>();
        line->PauseForReal(true);
        AppOptions options{dir.filePath(QStringLiteral("project.db")), &reporter, false, {}};
        options.streams = [line] { return line; };
        CMerionApp app(options);
        QVERIFY(app.InitInstance());
        for (int i = 1; i <= 4; ++i)
            QVERIFY(RunStatement(app.Store(), QStringLiteral("insert into CoorEdit values(%1,'a','P%1','1','2','3','')").arg(i)));
        CUploadDlg* dialog = OpenUploadDialog(app);
        UploadButton(dialog)->click();
        QPointer<QLabel> text = dialog->findChild<QLabel*>(QStringLiteral("progressText"));
        // Four lines 100 ms apart: after the second, two to go at the pace so far (0.1 s a line).
        QTRY_VERIFY(text->text().startsWith(QStringLiteral("已发送 2 / 4 行")));
        QCOMPARE(text->text(), QStringLiteral("已发送 2 / 4 行，约剩 0 秒"));
        QCOMPARE(app.MainFrame()->statusBar()->currentMessage(), text->text());
        QTRY_COMPARE(reporter.Messages(), QStringList{"Upload Complete!"});
        QVERIFY(!text->isVisibleTo(dialog));
        QCOMPARE(line->Written().count('\n'), 4);
        app.ExitInstance();
    }
};

QTEST_MAIN(TestUploadDlg)
#include "tst_upload_dlg.moc"
