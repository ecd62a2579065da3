#include "core/link/com_config.h"
#include "cli_runner.h"
#include "recording_reporter.h"
#include "simulated_instrument.h"
#include "core/store/project_store.h"
#include "table_rows.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QString JobFile = QStringLiteral(MERION_TEST_DATA "/t5_job.txt");
} // namespace

class TestCliDownload : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Database() const { return m_dir.filePath(QStringLiteral("p.db")); }

    CliRun Cli(const QStringList& words) { return RunCli(Database(), words); }

    QStringList Rows(const QString& sql)
    {
        CRecordingReporter reporter;
        CProjectStore store(Database(), &reporter);
        store.Connect();
        const QStringList rows = TableRows(store, sql);
        store.Disconnect();
        return rows;
    }

private slots:
    void init() { QFile::remove(Database()); }

    void parsingDownloadFromTheInstrument()
    {
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartSending(JobFile, 115200));
        const CliRun run = Cli({"download", "--instrument", "t5", "--device", instrument.DevicePath()});
        QCOMPARE(run.Err(), QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(Rows(QStringLiteral("select * from \"740Meas\" order by ID")), ExpectedRows("t5_job.meas"));
        QCOMPARE(Rows(QStringLiteral("select * from CoorEdit order by ID")), ExpectedRows("t5_job.coor"));

        const CliRun show = Cli({"show", "meas"});
        const QStringList lines = show.Out().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 7);
        QCOMPARE(lines.first().split('\t').size(), 15);

        // A second job replaces the first.
        CSimulatedInstrument again;
        QVERIFY(again.StartSending(QByteArray("A,P9,1.0,2.0,3.0\r\n"), 0));
        QCOMPARE(Cli({"download", "--instrument", "t8", "--device", again.DevicePath()}).exitCode, 0);
        QCOMPARE(Rows(QStringLiteral("select ID,SN from \"740Meas\"")), QStringList{"1|P9"});
        QCOMPARE(Rows(QStringLiteral("select ID,SN from CoorEdit")), QStringList{"1|P9"});
    }

    void versionTwoRecordsReplaceTheirTables()
    {
        {
            CRecordingReporter reporter;
            CProjectStore store(Database(), &reporter);
            store.Connect();
            RunStatement(store, QStringLiteral("insert into \"520RoadStake\" (ID,ATTR,DIST) values (1,'old','9')"));
            RunStatement(store, QStringLiteral("insert into CoorEdit (ID,ATTR,SN) values (5,'old','OLD')"));
            store.Disconnect();
        }
        CSimulatedInstrument instrument;
        // The second note is 桩号 in GBK.
        QVERIFY(instrument.StartSending(QByteArray("1,10.000,20,3000.000,5000.000,100.000,0012.5,\r\n"
                                                   "2,30.000,20,3010.000,5010.000,101.000,\xd7\xae\xba\xc5,\r\n"),
                                        9600));
        const CliRun run = Cli({"download", "--instrument", "v2", "--record", "roadstake", "--device",
                                instrument.DevicePath()});
        QCOMPARE(run.Err(), QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(Rows(QStringLiteral("select ID,ATTR,DIST,LABGRAP,LABX,LABY,LABZ,MEMO from \"520RoadStake\" order by ID")),
                 (QStringList{"1|T8_V2_RoadStake|10.000|20|3000.000|5000.000|100.000|12.5",
                              "2|T8_V2_RoadStake|30.000|20|3010.000|5010.000|101.000|桩号"}));
        QCOMPARE(Rows(QStringLiteral("select ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE from CoorEdit order by ID")),
                 (QStringList{"1|T8_V2_Coor||3000.000|5000.000|100.000|", "2|T8_V2_Coor||3010.000|5010.000|101.000|"}));
    }

    void rawDownloadWritesTheBytesBeforeTheEndByte()
    {
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartSending(JobFile, 115200));
        const QString path = m_dir.filePath(QStringLiteral("raw.txt"));
        const CliRun run = Cli({"download", "--instrument", "t5", "--raw", path, "--device", instrument.DevicePath()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(FileBytes(path), FileBytes(JobFile));
        QCOMPARE(Rows(QStringLiteral("select count(*) from \"740Meas\"")), QStringList{"0"});

        CSimulatedInstrument second;
        QVERIFY(second.StartSending(JobFile, 0));
        const CliRun unwritable = Cli({"download", "--instrument", "t5", "--raw",
                                       m_dir.filePath(QStringLiteral("missing/raw.txt")), "--device", second.DevicePath()});
        QCOMPARE(unwritable.exitCode, 1);
        QCOMPARE(unwritable.Err(), QStringLiteral("Open file failed!\n"));
        // Refused before the transfer: the instrument was never asked for its job.
        QVERIFY(!second.Lines().contains(QStringLiteral("port opened")));
    }

    void Seed()
    {
        CRecordingReporter reporter;
        CProjectStore store(Database(), &reporter);
        store.Connect();
        RunStatement(store, QStringLiteral("insert into \"740Meas\" (ID,ATTR,SN) values (1,'old','OLD')"));
        RunStatement(store, QStringLiteral("insert into CoorEdit (ID,ATTR,SN) values (1,'old','KEEP')"));
        store.Disconnect();
    }
    QStringList Kept() const
    {
        QDir folder(m_dir.filePath(QStringLiteral("downloads")));
        QStringList files;
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
            files << folder.filePath(name);
        return files;
    }

    void theInstrumentVanishingLosesNothing()
    {
        Seed();
        QDir(m_dir.filePath(QStringLiteral("downloads"))).removeRecursively();
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartSending(JobFile, 0, {"--no-eot", "--hang-up-after", "100"}));
        QElapsedTimer clock;
        clock.start();
        const CliRun run = Cli({"download", "--instrument", "t5", "--device", instrument.DevicePath()});
        // Noticed at once, not after the 8 s of silence.
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), QStringLiteral("Download Interrupted! 100 bytes received.\n"));
        QCOMPARE(Rows(QStringLiteral("select SN from \"740Meas\"")), QStringList{"OLD"});
        QCOMPARE(Rows(QStringLiteral("select SN from CoorEdit")), QStringList{"KEEP"});
        QCOMPARE(Kept().size(), 1);
        QVERIFY(Kept().first().endsWith(QLatin1String("-t5.txt")));
        QCOMPARE(FileBytes(Kept().first()), FileBytes(JobFile).left(100));
    }

    void textWithoutARecordIsRefused()
    {
        Seed();
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartSending(QByteArray("\x89PNG\r\nnot a job\r\n"), 0));
        const CliRun run = Cli({"download", "--instrument", "t8", "--device", instrument.DevicePath()});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), QStringLiteral("The received data holds no record.\nThe stored data is unchanged.\n"));
        QCOMPARE(Rows(QStringLiteral("select SN from \"740Meas\"")), QStringList{"OLD"});
        QCOMPARE(Rows(QStringLiteral("select SN from CoorEdit")), QStringList{"KEEP"});
    }

    void progressIsPrintedWhileTheJobComes()
    {
        CSimulatedInstrument instrument;
        // About a quarter of a second on the wire.
        QVERIFY(instrument.StartSending(JobFile, 9600));
        const CliRun run = Cli({"download", "--instrument", "t5", "--progress", "--device", instrument.DevicePath()});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.Err().split('\n', Qt::SkipEmptyParts);
        QVERIFY2(!lines.isEmpty(), qPrintable(run.Err()));
        const QRegularExpression progress(QStringLiteral("^received [0-9]+ bytes$"));
        for (const QString& line : lines)
            QVERIFY2(progress.match(line).hasMatch(), qPrintable(line));
        QCOMPARE(Rows(QStringLiteral("select count(*) from \"740Meas\"")), QStringList{"7"});
    }

    void missingPortIsAFailure()
    {
        Seed();
        {
            CRecordingReporter reporter;
            CProjectStore store(Database(), &reporter);
            store.Connect();
            ComConfig config;
            config.comPort = 2;
            QVERIFY(SaveComConfig(store, config).Succeeded());
            store.Disconnect();
        }
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MERION_COM2"), m_dir.filePath(QStringLiteral("no-such-tty")));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(MERION_CLI_PATH),
                      {QStringLiteral("--database"), Database(), "download", "--instrument", "t5"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 QStringLiteral("COM2 doesn't exist or be\nopened by another program!\n"));
        // The stored job is not touched by a download that never began.
        QCOMPARE(Rows(QStringLiteral("select SN from \"740Meas\"")), QStringList{"OLD"});
    }

    void badWordsAreUsageErrors_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::newRow("no instrument") << QStringList{"download"};
        QTest::newRow("unknown instrument") << QStringList{"download", "--instrument", "t6"};
        QTest::newRow("unknown option") << QStringList{"download", "--instrument", "t5", "--speed", "9600"};
        QTest::newRow("stray word") << QStringList{"download", "now", "--instrument", "t5"};
        QTest::newRow("v2 without its record kind") << QStringList{"download", "--instrument", "v2"};
        QTest::newRow("unknown record kind") << QStringList{"download", "--instrument", "v2", "--record", "points"};
        QTest::newRow("record kind for t5") << QStringList{"download", "--instrument", "t5", "--record", "coor"};
    }
    void badWordsAreUsageErrors()
    {
        QFETCH(QStringList, words);
        const CliRun run = Cli(words);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.Err().contains(QStringLiteral("download --instrument t5|t8")));
    }
};

QTEST_GUILESS_MAIN(TestCliDownload)
#include "tst_cli_download.moc"
