#include "core/download/download_job.h"
#include "core/download/download_texts.h"
#include "core/link/com_config.h"
#include "core/link/serial_port.h"
#include "scripted_stream.h"
#include "simulated_instrument.h"
#include "table_rows.h"
#include "test_database.h"
#include "core/views/data_kind.h"
#include "words/result_words.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QTest>

namespace
{
const QString JobFile = QStringLiteral(MERION_TEST_DATA "/t5_job.txt");

DownloadRequest RequestFor(DataKind kind, bool raw, const QString& device = {})
{
    DownloadRequest request;
    request.dataKind = kind;
    request.raw = raw;
    request.instrument = QStringLiteral("t5");
    request.devicePath = device;
    return request;
}

// The files kept in downloads/ beside the test's database, by name.
QStringList KeptFiles(CTestDatabase& db)
{
    return QDir(db.FilePath(QStringLiteral("downloads"))).entryList(QDir::Files, QDir::Name);
}
} // namespace

// A download as the dialog and the command line run it: the transfer on a stream, then what
// the program does with the bytes. The protocol runs on a scripted line whose clock costs no
// time; a few transfers go through the simulated instrument on a pseudo-terminal.
class TestDownloadJob : public QObject
{
    Q_OBJECT

    static TransferResult Receive(CScriptedStream& line, const DownloadRequest& request)
    {
        std::atomic<bool> stop{false};
        TransferResult result = ReceiveDownload(line, request, stop);
        if (line.IsOpen())
            QTest::qFail("the port stayed open", __FILE__, __LINE__);
        return result;
    }

private slots:
    void theJobIsReceivedParsedAndKept()
    {
        CTestDatabase db;
        db.Run({"insert into \"740Meas\"(ID,ATTR,SN) values (1,'OLD','OLD')"});
        CScriptedStream line;
        // The job in three pieces, then the end byte and bytes that do not belong to it.
        const QByteArray job = FileBytes(JobFile);
        line.SendAt(50, job.left(100));
        line.SendAt(900, job.mid(100, 200));
        line.SendAt(1000, job.mid(300) + "\x04trailing");
        const TransferResult received = Receive(line, RequestFor(DataKind::Meas, false));
        QCOMPARE(received.status, Status::Done);
        QCOMPARE(received.received, job);
        QCOMPARE(line.Events(), (QStringList{"open@0", "purge@1000", "close@1000"}));
        // Nothing in the project changes before the job is handed over.
        QCOMPARE(db.Count(QStringLiteral("740Meas")), 1);

        const TransferResult finished = FinishDownload(db.Store(), RequestFor(DataKind::Meas, false), received);
        QCOMPARE(finished.status, Status::Done);
        QCOMPARE(finished.rows, 7);
        QCOMPARE(db.MeasRows(), ExpectedRows(QStringLiteral("t5_job.meas")));
        QCOMPARE(db.CoorRows(), ExpectedRows(QStringLiteral("t5_job.coor")));
        QCOMPARE(KeptFiles(db).size(), 1);
        QVERIFY(QFileInfo(finished.keptFile).fileName().endsWith(QLatin1String("-t5.txt")));
        QCOMPARE(FileBytes(finished.keptFile), job);
        QCOMPARE(db.Reporter().Messages(), QStringList());
    }

    // Given the project, the transfer itself keeps the bytes, each piece on disk before the
    // next is awaited (a crash then loses nothing that came), named when the transfer began;
    // the program's handling of the result keeps no second copy.
    void theBytesAreKeptAsTheyArrive()
    {
        CTestDatabase db;
        CScriptedStream line;
        const QByteArray job = FileBytes(JobFile);
        line.SendAt(50, job.left(100));
        line.SendAt(400, job.mid(100, 60));
        line.SendAt(900, job.mid(160) + "\x04");
        DownloadRequest request = RequestFor(DataKind::Meas, false);
        request.keepBeside = db.Path();
        const QDateTime started = QDateTime::currentDateTime();
        QList<QByteArray> keptWhileRunning;
        std::atomic<bool> stop{false};
        const TransferResult received = ReceiveDownload(line, request, stop, [&](const TransferProgress&) {
            const QStringList kept = KeptFiles(db);
            keptWhileRunning << (kept.size() == 1 ? FileBytes(db.FilePath("downloads/" + kept.first())) : "<none>");
        });
        QCOMPARE(received.status, Status::Done);
        QCOMPARE(keptWhileRunning, (QList<QByteArray>{job.left(100), job.left(160)}));
        QCOMPARE(KeptFiles(db).size(), 1);
        QCOMPARE(FileBytes(received.keptFile), job);
        const QDateTime named = QDateTime::fromString(QFileInfo(received.keptFile).fileName().left(15), "yyyyMMdd-HHmmss");
        QVERIFY(qAbs(named.secsTo(started)) <= 1);

        const TransferResult finished = FinishDownload(db.Store(), request, received);
        QCOMPARE(finished.status, Status::Done);
        QCOMPARE(finished.keptFile, received.keptFile);
        QCOMPARE(KeptFiles(db).size(), 1);
        QCOMPARE(db.MeasRows(), ExpectedRows(QStringLiteral("t5_job.meas")));
    }

    void silenceTimesOutWithTheLoopsMessage_data()
    {
        QTest::addColumn<DataKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("silenceMs");
        QTest::newRow("coordinates: record loop, 800 pauses of 5 ms") << DataKind::Coor << "Connect Timeout!" << 4000;
        QTest::newRow("measurements: measurement loop, 800 pauses of 10 ms") << DataKind::Meas << "Wait Timeout" << 8000;
    }
    void silenceTimesOutWithTheLoopsMessage()
    {
        QFETCH(DataKind, kind);
        QFETCH(QString, message);
        QFETCH(int, silenceMs);
        CTestDatabase db;
        db.Run({"insert into \"740Meas\"(ID,ATTR,SN) values (1,'OLD','OLD')",
                "insert into CoorEdit(ID,ATTR,SN) values (1,'OLD','KEEP')"});
        CScriptedStream silent;
        const TransferResult result = Receive(silent, RequestFor(kind, false));
        QCOMPARE(result.status, Status::TimedOut);
        QCOMPARE(MessageOf(result).text, message);
        // The 801st empty poll ends it, after 800 pauses.
        QCOMPARE(silent.Events().last(), QStringLiteral("close@%1").arg(silenceMs));

        // Data that stops in the middle: what came is kept, no table changes.
        CScriptedStream broken;
        broken.SendAt(0, "A,P1,100.000,200.000,12.500\r\nA,P2");
        const TransferResult part = FinishDownload(db.Store(), RequestFor(kind, false), Receive(broken, RequestFor(kind, false)));
        QCOMPARE(part.status, Status::TimedOut);
        QCOMPARE(FileBytes(part.keptFile), QByteArray("A,P1,100.000,200.000,12.500\r\nA,P2"));
        QCOMPARE(db.Rows(QStringLiteral("select SN from \"740Meas\"")), QStringList{"OLD"});
        QCOMPARE(db.Rows(QStringLiteral("select SN from CoorEdit")), QStringList{"KEEP"});
    }

    void aHangUpIsNoticedAtOnceAndLosesNothing()
    {
        CTestDatabase db;
        db.Run({"insert into \"740Meas\"(ID,ATTR,SN) values (1,'OLD','OLD')"});
        CScriptedStream line;
        line.SendAt(0, "A,P1,100.000,200.000,12.500\r\n");
        line.HangUpAt(300);
        const TransferResult result =
            FinishDownload(db.Store(), RequestFor(DataKind::Meas, false), Receive(line, RequestFor(DataKind::Meas, false)));
        QCOMPARE(result.status, Status::HungUp);
        // Within one poll of the line going, not after 8 s of silence.
        QCOMPARE(line.Events().last(), QStringLiteral("close@300"));
        QCOMPARE(MessageOf(result).text, QStringLiteral("Download Interrupted! 29 bytes received."));
        QCOMPARE(MessageOf(result).icon, MessageIcon::Exclamation);
        QCOMPARE(FileBytes(result.keptFile), QByteArray("A,P1,100.000,200.000,12.500\r\n"));
        QCOMPARE(db.Rows(QStringLiteral("select SN from \"740Meas\"")), QStringList{"OLD"});
    }

    void cancelEndsWithinOnePoll()
    {
        CTestDatabase db;
        CScriptedStream line;
        std::atomic<bool> stop{false};
        line.SendAt(0, "A,P1,1,2,3\r\n");
        line.RaiseAt(2000, &stop);
        const TransferResult result = ReceiveDownload(line, RequestFor(DataKind::Meas, false), stop);
        QCOMPARE(result.status, Status::Cancelled);
        QCOMPARE(line.Events(), (QStringList{"open@0", "purge@2000", "close@2000"}));
        QCOMPARE(MessageOf(result).text, QString());
        // Nothing is sent to the instrument on a download, not even on cancel.
        QVERIFY(line.Written().isEmpty());
        const TransferResult finished = FinishDownload(db.Store(), RequestFor(DataKind::Meas, false), result);
        QCOMPARE(FileBytes(finished.keptFile), QByteArray("A,P1,1,2,3\r\n"));
    }

    void textWithoutARecordReplacesNothing()
    {
        CTestDatabase db;
        db.Run({"insert into \"740Meas\"(ID,ATTR,SN) values (1,'OLD','OLD')",
                "insert into CoorEdit(ID,ATTR,SN) values (1,'OLD','KEEP')"});
        CScriptedStream line;
        line.SendAt(0, "garbage without a record\r\nZ,1,2\r\n\x04");
        const TransferResult result =
            FinishDownload(db.Store(), RequestFor(DataKind::Meas, false), Receive(line, RequestFor(DataKind::Meas, false)));
        QCOMPARE(result.status, Status::NoRecords);
        QCOMPARE(MessageOf(result).text, DownloadTexts::NoRecords);
        QCOMPARE(db.Rows(QStringLiteral("select SN from \"740Meas\"")), QStringList{"OLD"});
        QCOMPARE(db.Rows(QStringLiteral("select SN from CoorEdit")), QStringList{"KEEP"});
        QCOMPARE(KeptFiles(db).size(), 1);
    }

    void aFailedOpenTellsTheSystemsReason()
    {
        CTestDatabase db;
        CScriptedStream line;
        line.RefuseOpen({16, "Device or resource busy", false});
        DownloadRequest request = RequestFor(DataKind::Meas, false);
        request.config.comPort = 4;
        const TransferResult result = FinishDownload(db.Store(), request, Receive(line, request));
        QCOMPARE(result.status, Status::PortNotOpened);
        QCOMPARE(result.error.code, 16);
        QCOMPARE(MessageOf(result).text, QStringLiteral("COM4 doesn't exist or be\nopened by another program!"));
        QVERIFY(KeptFiles(db).isEmpty());
    }

    void keptCopiesNeverOverwriteEachOther()
    {
        CTestDatabase db;
        for (const QByteArray& bytes : {QByteArray("first\r\n"), QByteArray("second\r\n"), QByteArray("third\r\n")})
        {
            TransferResult result;
            result.received = bytes;
            DownloadRequest request = RequestFor(DataKind::Meas, true);
            request.instrument = QStringLiteral("v2");
            FinishDownload(db.Store(), request, result);
        }
        const QStringList kept = KeptFiles(db);
        QCOMPARE(kept.size(), 3);
        // Within one second: -2, -3 follow the first name.
        if (kept[0].left(15) == kept[2].left(15))
        {
            const QString stem = db.FilePath(QStringLiteral("downloads/")) + kept[0].left(15);
            QCOMPARE(FileBytes(stem + "-v2.txt"), QByteArray("first\r\n"));
            QCOMPARE(FileBytes(stem + "-v2-2.txt"), QByteArray("second\r\n"));
            QCOMPARE(FileBytes(stem + "-v2-3.txt"), QByteArray("third\r\n"));
        }
    }

    void rawTargetsAreCheckedWithoutHarm()
    {
        CTestDatabase db;
        const QString fresh = db.FilePath(QStringLiteral("raw.txt"));
        QVERIFY(CanWriteRawTarget(fresh));
        QVERIFY(!QFile::exists(fresh));
        QVERIFY(SaveRawDownload(fresh, "old\r\n").Succeeded());
        QVERIFY(CanWriteRawTarget(fresh));
        QCOMPARE(FileBytes(fresh), QByteArray("old\r\n"));
        QVERIFY(!CanWriteRawTarget(db.FilePath(QStringLiteral("no/such/folder/raw.txt"))));
        QVERIFY(!CanWriteRawTarget(db.FilePath(QString())));
    }

    // End to end on a pseudo-terminal: the serial port, the simulator's pacing and padding.
    void throughTheSimulatedInstrument()
    {
        CTestDatabase db;
        SKIP_WITHOUT_SIMULATED_INSTRUMENT();
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartSending(JobFile, 115200, {"--leading-eot", "--nul-at", "5", "--nul-at", "200"}));
        CSerialPort port;
        std::atomic<bool> stop{false};
        const DownloadRequest request = RequestFor(DataKind::Meas, false, instrument.DevicePath());
        const TransferResult result = FinishDownload(db.Store(), request, ReceiveDownload(port, request, stop));
        QCOMPARE(result.status, Status::Done);
        QVERIFY(!port.IsOpen());
        QCOMPARE(result.received, FileBytes(JobFile));
        QCOMPARE(db.MeasRows(), ExpectedRows(QStringLiteral("t5_job.meas")));
    }

    void theSimulatedInstrumentVanishing()
    {
        CTestDatabase db;
        SKIP_WITHOUT_SIMULATED_INSTRUMENT();
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartSending(JobFile, 0, {"--no-eot", "--hang-up-after", "100"}));
        CSerialPort port;
        std::atomic<bool> stop{false};
        QElapsedTimer clock;
        clock.start();
        const DownloadRequest request = RequestFor(DataKind::Meas, false, instrument.DevicePath());
        const TransferResult result = FinishDownload(db.Store(), request, ReceiveDownload(port, request, stop));
        QCOMPARE(result.status, Status::HungUp);
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(result.received, FileBytes(JobFile).left(100));
        QCOMPARE(FileBytes(result.keptFile), FileBytes(JobFile).left(100));
    }
};

QTEST_GUILESS_MAIN(TestDownloadJob)
#include "tst_download_job.moc"
