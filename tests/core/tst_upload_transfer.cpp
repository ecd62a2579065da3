#include "core/link/serial_port.h"
#include "simulated_instrument.h"
#include "test_database.h"
#include "core/upload/upload_lines.h"
#include "core/upload/upload_transfer.h"
#include "core/views/data_kind.h"

#include <QElapsedTimer>
#include <QTest>

#include <thread>

namespace
{
const QByteArray Eot("\x04");

UploadRequest RequestFor(DataKind kind, const QString& device, int category = UploadCategory::Coordinates)
{
    UploadRequest request;
    request.kind = kind;
    request.category = category;
    request.devicePath = device;
    return request;
}

void AddPoints(CTestDatabase& db, int count)
{
    QStringList rows;
    for (int i = 1; i <= count; ++i)
        rows << QStringLiteral("insert into CoorEdit values(%1,'a','P%1','%1.5','2','3','C%1')").arg(i);
    db.Run(rows);
}

// What an upload to the simulated instrument came to.
struct Transfer
{
    UploadOutcome outcome = UploadOutcome::NothingToDo;
    QByteArray received;
    bool portLeftOpen = false;
    qint64 milliseconds = 0;
};

// Uploads the rows of `db` to a simulated instrument started with `instrumentWords`.
Transfer UploadTo(CTestDatabase& db, DataKind kind, const QStringList& instrumentWords,
                  int category = UploadCategory::Coordinates)
{
    Transfer transfer;
    CSimulatedInstrument instrument;
    if (!instrument.StartReceiving(instrumentWords))
    {
        QTest::qFail("the simulated instrument did not start", __FILE__, __LINE__);
        return transfer;
    }
    CSerialPort port;
    const std::atomic<bool> stop{false};
    QElapsedTimer timer;
    timer.start();
    transfer.outcome =
        RunUpload(db.Store(), port, RequestFor(kind, instrument.DevicePath(), category), stop, db.Reporter());
    transfer.milliseconds = timer.elapsed();
    transfer.portLeftOpen = port.IsOpen();
    instrument.WaitForFinished();
    transfer.received = instrument.Received();
    return transfer;
}

// Runs an upload on a thread of its own, as the dialog does, so the test can cancel it.
struct BackgroundUpload
{
    BackgroundUpload(CTestDatabase& db, const UploadRequest& request)
    {
        thread = std::thread([this, &db, request] {
            const UploadLines lines = BuildUploadLines(db.Store(), request.kind, request.category, db.Reporter());
            outcome = SendUpload(port, request, lines.lines, stop, db.Reporter());
        });
    }
    ~BackgroundUpload()
    {
        if (thread.joinable())
            thread.join();
    }
    // The user's Cancel; gives how long the worker went on afterwards.
    qint64 Cancel()
    {
        stop = true;
        CancelUpload(port);
        QElapsedTimer timer;
        timer.start();
        thread.join();
        return timer.elapsed();
    }

    CSerialPort port;
    std::atomic<bool> stop{false};
    std::atomic<UploadOutcome> outcome{UploadOutcome::NothingToDo};
    std::thread thread;
};
} // namespace

// Both protocols end to end against the simulated instrument on a pseudo-terminal.
class TestUploadTransfer : public QObject
{
    Q_OBJECT

private slots:
    void pacedUploadSendsLinesThenEot()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,'a','P1','1234.5','567.25','10','TREE')",
                "insert into CoorEdit values(2,'a','P2','1','2','3','')"});
        const Transfer transfer = UploadTo(db, DataKind::UploadT5, {});
        QCOMPARE(transfer.outcome, UploadOutcome::Complete);
        QCOMPARE(transfer.received,
                 QByteArray("P1,1234.500000,567.250000,10.000000\r\nP2,1.000000,2.000000,3.000000\r\n\x04"));
        QCOMPARE(db.Reporter().Messages(), QStringList{"Upload Complete!"});
        QVERIFY(!transfer.portLeftOpen);
    }

    void pacedUploadOfNothingSendsOnlyEot()
    {
        CTestDatabase db;
        const Transfer transfer = UploadTo(db, DataKind::UploadT5, {});
        QCOMPARE(transfer.outcome, UploadOutcome::Complete);
        QCOMPARE(transfer.received, Eot);
        QCOMPARE(db.Reporter().Messages(), QStringList{"Upload Complete!"});
    }

    void pacedUploadTakesABusyInstrumentsDc3InItsStride()
    {
        CTestDatabase db;
        AddPoints(db, 1);
        const Transfer transfer = UploadTo(db, DataKind::UploadT5, {"--dc3-after", "1"});
        QCOMPARE(transfer.outcome, UploadOutcome::Complete);
        QCOMPARE(transfer.received, QByteArray("P1,1.500000,2.000000,3.000000\r\n\x04"));
        QCOMPARE(db.Reporter().Messages(), QStringList{"Upload Complete!"});
    }

    void handshakeSendsEveryRowTheInstrumentAccepts()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,'a','P1','1234.5','567.25','10','TREE')",
                "insert into CoorEdit values(2,'a','P2','-1','0','0.0005','')",
                "insert into CoorEdit values(3,'a','P3','7','8','9','X')"});
        const Transfer transfer = UploadTo(db, DataKind::UploadV2, {"--initial-dc1", "--dc1-each"});
        QCOMPARE(transfer.outcome, UploadOutcome::Complete);
        QCOMPARE(transfer.received, QByteArray("P1,1234.500,567.250,10.000,TREE,\r\n"
                                               "P2,-1.000,0.000,0.001,,\r\n"
                                               "P3,7.000,8.000,9.000,X,\r\n\x04"));
        QCOMPARE(db.Reporter().Messages(), QStringList{"Upload Complete!"});
    }

    void handshakeStopsWhenTheInstrumentSaysDc3()
    {
        CTestDatabase db;
        AddPoints(db, 4);
        const Transfer transfer =
            UploadTo(db, DataKind::UploadV2, {"--initial-dc1", "--dc1-each", "--dc3-after", "2"});
        QCOMPARE(transfer.outcome, UploadOutcome::StoppedByInstrument);
        QCOMPARE(transfer.received, QByteArray("P1,1.500,2.000,3.000,C1,\r\nP2,2.500,2.000,3.000,C2,\r\n\x04"));
        QCOMPARE(db.Reporter().Messages(), QStringList{"Upload Timeout!"});
        QVERIFY(!transfer.portLeftOpen);
    }

    void handshakeGivesUpOnASilentInstrument()
    {
        CTestDatabase db;
        AddPoints(db, 2);
        // Nobody says ready: nothing goes out, not even EOT.
        Transfer transfer = UploadTo(db, DataKind::UploadV2, {"--silent", "--timeout-ms", "6000"});
        QCOMPARE(transfer.outcome, UploadOutcome::WaitTimeout);
        // 401 polls of 10 ms.
        QVERIFY2(transfer.milliseconds >= 4010, qPrintable(QString::number(transfer.milliseconds)));
        QVERIFY(!transfer.portLeftOpen);
        QCOMPARE(transfer.received, QByteArray());
        QCOMPARE(db.Reporter().TakeMessages(), QStringList{"Wait Timeout"});

        // Ready once, then no answer to the first line: the rest stays unsent.
        transfer = UploadTo(db, DataKind::UploadV2, {"--initial-dc1", "--timeout-ms", "6000"});
        QCOMPARE(transfer.outcome, UploadOutcome::WaitTimeout);
        QCOMPARE(transfer.received, QByteArray("P1,1.500,2.000,3.000,C1,\r\n"));
        QCOMPARE(db.Reporter().TakeMessages(), QStringList{"Wait Timeout"});
    }

    void alignmentGoesOutByAscendingChainage()
    {
        CTestDatabase db;
        db.Run({"insert into 520SurLine values(1,'a','3','250','','110','210')",
                "insert into 520SurLine values(2,'a','0','0','','100','200')",
                "insert into 520SurLine values(3,'a','1','50','300','105','205')"});
        const Transfer transfer =
            UploadTo(db, DataKind::UploadV2, {"--initial-dc1", "--dc1-each"}, UploadCategory::Alignment);
        QCOMPARE(transfer.outcome, UploadOutcome::Complete);
        QCOMPARE(transfer.received, QByteArray("0,0,,100,200,\r\n1,50,300,105,205,\r\n3,250,,110,210,\r\n\x04"));
        QCOMPARE(db.Reporter().Messages(), QStringList{"Upload Complete!"});
    }

    void cancelEndsAPacedUploadAtOnce()
    {
        CTestDatabase db;
        AddPoints(db, 30);
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving({"--timeout-ms", "3000"}));
        BackgroundUpload upload(db, RequestFor(DataKind::UploadT5, instrument.DevicePath()));
        QVERIFY(instrument.WaitForLine(QStringLiteral("line 2")));
        QVERIFY(upload.Cancel() < 250);
        QCOMPARE(upload.outcome.load(), UploadOutcome::Cancelled);
        QVERIFY(!upload.port.IsOpen());
        QVERIFY(instrument.WaitForFinished());
        const QByteArray received = instrument.Received();
        // The EOT of the Cancel closes the transfer; no line follows it.
        QVERIFY(received.endsWith(Eot));
        QCOMPARE(received.count('\x04'), 1);
        QVERIFY(received.startsWith("P1,1.500000,2.000000,3.000000\r\nP2,2.500000,2.000000,3.000000\r\n"));
        QVERIFY(received.count('\n') < 30);
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void cancelEndsAHandshakeThatWaitsForAnAnswer()
    {
        CTestDatabase db;
        AddPoints(db, 3);
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving({"--silent", "--timeout-ms", "3000"}));
        BackgroundUpload upload(db, RequestFor(DataKind::UploadV2, instrument.DevicePath()));
        QVERIFY(instrument.WaitForLine(QStringLiteral("port opened")));
        QTest::qWait(100);
        // Without the stop flag at every poll this would run to its four-second time-out.
        QVERIFY(upload.Cancel() < 250);
        QCOMPARE(upload.outcome.load(), UploadOutcome::Cancelled);
        QVERIFY(instrument.WaitForFinished());
        QCOMPARE(instrument.Received(), Eot);
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void aMissingPortIsNamedByItsNumber()
    {
        CTestDatabase db;
        AddPoints(db, 1);
        qputenv("MERION_COM7", db.FilePath(QStringLiteral("no-such-port")).toLocal8Bit());
        UploadRequest request = RequestFor(DataKind::UploadT5, QString());
        request.config.comPort = 7;
        CSerialPort port;
        const std::atomic<bool> stop{false};
        QCOMPARE(RunUpload(db.Store(), port, request, stop, db.Reporter()), UploadOutcome::PortNotOpened);
        QCOMPARE(db.Reporter().Messages(), QStringList{"COM7 doesn't exist or be\nopened by another program!"});
        QCOMPARE(db.Reporter().Icons(), QList<MessageIcon>{MessageIcon::Exclamation});
    }

    void aBadRowNeverReachesTheInstrument()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,'a','P1','1','2','3','C')",
                "insert into CoorEdit values(2,'a','P2','','2','3','C')"});
        const Transfer transfer = UploadTo(db, DataKind::UploadT5, {"--wait-ms", "1500"});
        QCOMPARE(transfer.outcome, UploadOutcome::BadRow);
        QVERIFY(!transfer.portLeftOpen);
        QCOMPARE(db.Reporter().Messages(), QStringList{"Point P2 has no north coordinate (N).\nNothing was uploaded."});
        QCOMPARE(transfer.received, QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestUploadTransfer)
#include "tst_upload_transfer.moc"
