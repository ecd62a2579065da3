#include "cli_runner.h"
#include "simulated_instrument.h"
#include "test_database.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>

class TestCliUpload : public QObject
{
    Q_OBJECT

private slots:
    void wrongWordsAreUsageErrors()
    {
        CTestDatabase db;
        for (const QStringList& words : QList<QStringList>{{"upload"},
                                                           {"upload", "--instrument", "t9"},
                                                           {"upload", "--instrument", "t5", "--category", "alignment"},
                                                           {"upload", "--instrument", "v2", "--category", "codes"},
                                                           {"upload", "--instrument", "t8", "extra"},
                                                           {"upload", "--instrument", "t8", "--baud", "9600"}})
        {
            const CliRun run = RunCli(db.Path(), words);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.Err().contains("usage: merion-cli [--database PATH] upload --instrument"), qPrintable(run.Err()));
        }
    }

    void pacedUploadThroughTheDevice()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,'a','P1','1234.5','567.25','10','TREE')"});
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving());
        const CliRun run = RunCli(db.Path(), {"upload", "--instrument", "t8", "--device", instrument.DevicePath()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.Err(), QStringLiteral("Upload Complete!\n"));
        QVERIFY(instrument.WaitForFinished());
        QCOMPARE(instrument.Received(), QByteArray("P1,1234.500000,567.250000,10.000000\r\n\x04"));
    }

    void anInstrumentThatStopsTheUploadFailsIt()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,'a','P1','1234.5','567.25','10','TREE')",
                "insert into CoorEdit values(2,'a','P2','1','2','3','')",
                "insert into CoorEdit values(3,'a','P3','1','2','3','')"});
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving({"--initial-dc1", "--dc1-each", "--dc3-after", "2"}));
        const CliRun run = RunCli(db.Path(), {"upload", "--instrument", "v2", "--category", "coor", "--device",
                                              instrument.DevicePath()});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), QStringLiteral("Upload Timeout!\n"));
        QVERIFY(instrument.WaitForFinished());
        QCOMPARE(instrument.Received(),
                 QByteArray("P1,1234.500,567.250,10.000,TREE,\r\nP2,1.000,2.000,3.000,,\r\n\x04"));
    }

    static void AddPoints(CTestDatabase& db, int count)
    {
        QStringList rows;
        for (int i = 1; i <= count; ++i)
            rows << QStringLiteral("insert into CoorEdit values(%1,'a','P%1','%1.5','2','3','')").arg(i);
        db.Run(rows);
    }

    void theInstrumentVanishingIsNoSuccess()
    {
        CTestDatabase db;
        AddPoints(db, 100);
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving({"--hang-up-after-lines", "3"}));
        QElapsedTimer clock;
        clock.start();
        const CliRun run = RunCli(db.Path(), {"upload", "--instrument", "t5", "--device", instrument.DevicePath()});
        // Stopped within a line of the hang-up, not after all 100 lines.
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(run.exitCode, 1);
        const QRegularExpression interrupted(QStringLiteral("^Upload Interrupted! (3|4) of 100 lines sent.\n$"));
        QVERIFY2(interrupted.match(run.Err()).hasMatch(), qPrintable(run.Err()));
    }

    void progressCountsTheLinesSent()
    {
        CTestDatabase db;
        AddPoints(db, 4);
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving());
        const CliRun run =
            RunCli(db.Path(), {"upload", "--instrument", "t5", "--device", instrument.DevicePath(), "--progress"});
        QCOMPARE(run.exitCode, 0);
        // Four lines 100 ms apart: the first is shown at once, the others fall within its second.
        QCOMPARE(run.Err(), QStringLiteral("sent 1 of 4 lines\nUpload Complete!\n"));
    }

    void theStoredPortNumberNamesAMissingPort()
    {
        CTestDatabase db;
        db.Run({"insert into COMConfig values(7,3,0,0,0,0)", "insert into CoorEdit values(1,'a','P1','1','2','3','')"});
        qputenv("MERION_COM7", db.FilePath(QStringLiteral("no-such-port")).toLocal8Bit());
        const CliRun run = RunCli(db.Path(), {"upload", "--instrument", "t5"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), QStringLiteral("COM7 doesn't exist or be\nopened by another program!\n"));

        // A device named on the command line is the one the message names.
        const QString device = db.FilePath(QStringLiteral("no-such-device"));
        const CliRun named = RunCli(db.Path(), {"upload", "--instrument", "t5", "--device", device});
        QCOMPARE(named.exitCode, 1);
        QCOMPARE(named.Err(), device + QStringLiteral(" doesn't exist or be\nopened by another program!\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliUpload)
#include "tst_cli_upload.moc"
