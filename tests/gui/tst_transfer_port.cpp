#include "gui/shell/command_actions.h"
#include "gui/app/merion_app.h"
#include "gui/link/serial_line.h"
#include "gui/download/download_dlg.h"
#include "recording_reporter.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "table_rows.h"
#include "gui/upload/upload_dlg.h"
#include "gui/views/plx_view.h"
#include "visible_dialogs.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QString PortBusy = QStringLiteral("The serial port is busy with another transfer!");

int Count(CMerionApp& app, const QString& table)
{
    return CountRows(app.Store(), table);
}
} // namespace

// Download and upload share the one serial port: while one transfer holds it, the other is
// refused before it changes anything.
class TestTransferPort : public QObject
{
    Q_OBJECT

private slots:
    void aSecondTransferIsRefusedUntilTheFirstLetsGo()
    {
        QTemporaryDir dir;
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{dir.filePath(QStringLiteral("project.db")), &reporter, false});
        QVERIFY(app.InitInstance());
        QVERIFY(RunStatement(app.Store(), "insert into \"740Meas\"(ID,SN) values(1,'OLD')"));
        QVERIFY(RunStatement(app.Store(), "insert into CoorEdit values(1,'Manual_Input_Data','P1','1.000','2.000','3.000','')"));

        auto running = std::make_unique<QObject>();
        QVERIFY(app.SerialLine().Claim(running.get()));
        QVERIFY(app.SerialLine().Claim(running.get())); // the holder itself may ask again

        app.Commands().Run(Command::Download);
        CDownloadDlg* download = VisibleDialogs<CDownloadDlg>().value(0);
        QVERIFY(download);
        auto* parse = download->findChild<QPushButton*>(QStringLiteral("parseButton"));
        parse->click();
        QCOMPARE(reporter.TakeMessages(), QStringList({PortBusy}));
        QCOMPARE(Count(app, "740Meas"), 1); // the refused download emptied nothing
        QVERIFY(parse->isEnabled());
        download->findChild<QPushButton*>(QStringLiteral("rawButton"))->click();
        QCOMPARE(reporter.TakeMessages(), QStringList({PortBusy}));

        app.Commands().Run(Command::Upload);
        CUploadDlg* upload = VisibleDialogs<CUploadDlg>().value(0);
        QVERIFY(upload);
        auto* send = upload->findChild<QPushButton*>(QStringLiteral("uploadButton"));
        send->click();
        QCOMPARE(reporter.TakeMessages(), QStringList({PortBusy}));
        QVERIFY(send->isEnabled());

        // A transfer that ends (or whose window goes) lets the port go.
        running.reset();
        QObject next;
        QVERIFY(app.SerialLine().Claim(&next));
        QVERIFY(reporter.Messages().isEmpty());
        app.ExitInstance();
    }
};

QTEST_MAIN(TestTransferPort)
#include "tst_transfer_port.moc"
