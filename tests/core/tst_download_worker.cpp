#include "core/download/download_worker.h"
#include "core/download/meas_parser.h"
#include "core/link/com_config.h"
#include "core/link/serial_port.h"
#include "simulated_instrument.h"
#include "table_rows.h"
#include "test_database.h"
#include "core/views/data_kind.h"

#include <QStringDecoder>
#include <QTest>

namespace
{
const QString JobFile = QStringLiteral(MERION_TEST_DATA "/t5_job.txt");
} // namespace

// Transfers through the simulated instrument on a pseudo-terminal, as the dialog and the
// command line run them.
class TestDownloadWorker : public QObject
{
    Q_OBJECT

    static DownloadOutcome Download(CTestDatabase& db, const QString& device, DataKind kind, bool raw)
    {
        CSerialPort port;
        std::atomic<bool> stop{false};
        DownloadRequest request;
        request.dataKind = kind;
        request.raw = raw;
        request.devicePath = device;
        const DownloadOutcome outcome = DownloadWorker(db.Store(), port, request, stop);
        // Every ending leaves the port closed.
        if (port.IsOpen())
            QTest::qFail("the port stayed open", __FILE__, __LINE__);
        return outcome;
    }
    // The instrument sends the job (with the simulator's options) while the worker receives it.
    static DownloadOutcome DownloadJob(CTestDatabase& db, DataKind kind, bool raw, const QStringList& options)
    {
        CSimulatedInstrument instrument;
        if (!instrument.StartSending(JobFile, 0, options))
            QTest::qFail("the simulated instrument did not start", __FILE__, __LINE__);
        return Download(db, instrument.DevicePath(), kind, raw);
    }

private slots:
    void parsingDownloadOfAJob()
    {
        CTestDatabase db;
        db.Run({"insert into 740Meas(ID,ATTR,SN) values (1,'OLD','OLD')"});
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartSending(JobFile, 115200));
        PrepareParseDownload(db.Store(), DataKind::Meas);
        const DownloadOutcome outcome = Download(db, instrument.DevicePath(), DataKind::Meas, false);
        QCOMPARE(outcome.status, DownloadStatus::Received);
        QCOMPARE(outcome.received, FileBytes(JobFile));
        QVERIFY(outcome.parse.has_value());
        QCOMPARE(outcome.parse->rows, 7);
        QCOMPARE(db.MeasRows(), ExpectedRows(QStringLiteral("t5_job.meas")));
        QCOMPARE(db.CoorRows(), ExpectedRows(QStringLiteral("t5_job.coor")));
        QCOMPARE(db.Reporter().Messages(), QStringList());
    }

    void theSavedJobFileGivesTheSameRows()
    {
        CTestDatabase db;
        QStringDecoder decode("GBK");
        ParseMeasJobFile(db.Store(), decode(FileBytes(QStringLiteral(MERION_TEST_DATA "/t5_job_file.txt"))));
        QCOMPARE(db.MeasRows(), ExpectedRows(QStringLiteral("t5_job.meas")));
        QCOMPARE(db.CoorRows(), ExpectedRows(QStringLiteral("t5_job.coor")));
    }

    void leadingEndByteAndZeroBytesOnTheLine()
    {
        CTestDatabase db;
        const DownloadOutcome outcome =
            DownloadJob(db, DataKind::Meas, false, {"--leading-eot", "--nul-at", "5", "--nul-at", "200"});
        QCOMPARE(outcome.status, DownloadStatus::Received);
        QCOMPARE(outcome.received, FileBytes(JobFile));
        QCOMPARE(db.MeasRows(), ExpectedRows(QStringLiteral("t5_job.meas")));
    }

    void rawDownloadKeepsTheBytes()
    {
        CTestDatabase db;
        const DownloadOutcome outcome = DownloadJob(db, DataKind::Meas, true, {});
        QCOMPARE(outcome.status, DownloadStatus::Received);
        QVERIFY(!outcome.parse.has_value());
        QCOMPARE(db.Count(QStringLiteral("740Meas")), 0);

        const QString path = db.FilePath(QStringLiteral("raw.txt"));
        QVERIFY(SaveRawDownload(path, outcome.received));
        // CR LF stays CR LF and the GBK note stays GBK.
        QCOMPARE(FileBytes(path), FileBytes(JobFile));
        QVERIFY(!SaveRawDownload(db.FilePath(QStringLiteral("no/such/folder/raw.txt")), outcome.received));
    }

    void aKindWithoutALoopReceivesNothing()
    {
        CTestDatabase db;
        const DownloadOutcome outcome = DownloadJob(db, DataKind::Code, true, {});
        QCOMPARE(outcome.status, DownloadStatus::Received);
        QVERIFY(outcome.received.isEmpty());
    }

    void missingPortNamesItsNumber()
    {
        CTestDatabase db;
        ComConfig config;
        config.comPort = 4;
        QVERIFY(SaveComConfig(db.Store(), config));
        qputenv("MERION_COM4", db.FilePath(QStringLiteral("no-such-tty")).toLocal8Bit());
        const DownloadOutcome outcome = Download(db, QString(), DataKind::Meas, false);
        qunsetenv("MERION_COM4");
        QCOMPARE(outcome.status, DownloadStatus::PortNotOpened);
        QCOMPARE(outcome.message, QStringLiteral("COM4 doesn't exist or be\nopened by another program!"));
    }

    void silenceTimesOut_data()
    {
        QTest::addColumn<DataKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("coordinates: record loop") << DataKind::Coor << "Connect Timeout!";
        QTest::newRow("measurements: measurement loop") << DataKind::Meas << "Wait Timeout";
    }
    void silenceTimesOut()
    {
        QFETCH(DataKind, kind);
        QFETCH(QString, message);
        CTestDatabase db;
        const DownloadOutcome outcome = DownloadJob(db, kind, false, {"--delay-ms", "60000"});
        QCOMPARE(outcome.status, DownloadStatus::TimedOut);
        QCOMPARE(outcome.message, message);
        QVERIFY(outcome.received.isEmpty());
        QCOMPARE(db.Count(QStringLiteral("740Meas")), 0);
    }
};

QTEST_GUILESS_MAIN(TestDownloadWorker)
#include "tst_download_worker.moc"
