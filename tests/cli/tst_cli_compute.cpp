#include "cli_runner.h"
#include "file_bytes.h"
#include "test_database.h"

#include <QFile>
#include <QTest>

// merion-cli compute points|faces|traverse on the sample traverse job (tests/data/compute).
//
// The job is an attached traverse A(1100,1000) → B(1000,1000) → S1 → S2 → C(1150,1400) → D(1250,1400),
// in a job file (angles in half arc-seconds, stored as decimal degrees with 4 decimals):
//   B : A 0°, S1 90.002° (90°00'07.2", SD 200.012)   β1 = 90°00'07.2"
//   S1: B 270° (200.008), S2 359.999° (150.006)      β2 = 89°59'56.4"
//   S2: S1 180° (150.004), C 90.002°                 β3 = 270°00'07.2"
//   C : S2 270° (199.997), D 0.003°                  β4 = 90°00'10.8"
// α(A→B) = 180°, carried to C→D: 0°00'21.6" against 0°: fβ = +21.6", n = 4, −5.4" per angle.
// Adjusted azimuths: B→S1 90°00'01.8", S1→S2 359°59'52.8", S2→C 89°59'54.6".
// Distances 200.010, 150.005, 199.997 (ΣD 550.012); increments
//   B→S1 −0.0017454 200.0100000; S1→S2 150.0049999 −0.0052362; S2→C 0.0052359 199.9969999
// fx = +0.0084904, fy = +0.0017638, f = 0.0086717, K = 550.012/0.0086717 = 1/63426.
// Compass rule: S1 = 999.9951671 1200.0093586, S2 = 1149.9978514 1200.0036414.
// Grades (fβ limit = m·√4): 三等 7.2", 四等 10", 一级 20" all below 21.6"; 二级 32" and 1/10000 pass.
class TestCliCompute : public QObject
{
    Q_OBJECT

private:
    static CliRun Cli(CTestDatabase& db, const QStringList& arguments) { return RunCli(db.Path(), arguments); }

    static void ImportJob(CTestDatabase& db)
    {
        QCOMPARE(Cli(db, {"import", "t5", QStringLiteral(MERION_TEST_DATA "/compute/traverse_job.txt")}).exitCode, 0);
    }

private slots:
    void traverseFromTheJobsOwnControl()
    {
        CTestDatabase db;
        ImportJob(db);
        const QString out = db.FilePath("traverse.csv");
        const CliRun run = Cli(db, {"compute", "traverse", "--route", "A,B,S1,S2,C,D", "--output", out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.Out(), QStringLiteral("angular misclosure: +21.6\" limit: 32.0\"\n"
                                           "coordinate misclosure: fx=+0.0085 fy=+0.0018 f=0.0087\n"
                                           "relative misclosure: 1/63426 limit: 1/10000\n"
                                           "grade 二级: pass\n"));
        QCOMPARE(FileBytes(out), QByteArray("PT,N,E\r\n"
                                            "B,1000.0000,1000.0000\r\n"
                                            "S1,999.9952,1200.0094\r\n"
                                            "S2,1149.9979,1200.0036\r\n"
                                            "C,1150.0000,1400.0000\r\n"));

        // Held to grade one: 21.6" beyond 10·√4 = 20".
        const CliRun one = Cli(db, {"compute", "traverse", "--route", "A,B,S1,S2,C,D", "--grade", "一级",
                                    "--known", QStringLiteral(MERION_TEST_DATA "/compute/traverse_known.txt")});
        QCOMPARE(one.exitCode, 0);
        QVERIFY(one.Out().startsWith(QStringLiteral("angular misclosure: +21.6\" limit: 20.0\"\n")));
        QVERIFY(one.Out().endsWith(QStringLiteral("relative misclosure: 1/63426 limit: 1/15000\ngrade 一级: fail\n")));

        // The reports: text, and PDF by the file's extension.
        const QString text = db.FilePath("report.txt");
        const QString pdf = db.FilePath("report.pdf");
        QCOMPARE(Cli(db, {"compute", "traverse", "--route", "A,B,S1,S2,C,D", "--report", text}).exitCode, 0);
        const QByteArray report = FileBytes(text);
        QVERIFY(report.contains("fx = 8.5 mm   fy = 1.8 mm   f = 8.7 mm"));
        QVERIFY(report.contains("1/63426"));
        QCOMPARE(Cli(db, {"compute", "traverse", "--route", "A,B,S1,S2,C,D", "--report", pdf}).exitCode, 0);
        QVERIFY(FileBytes(pdf).startsWith("%PDF"));
    }

    void pointsAreStoredAsTheCalcList()
    {
        // S1 from B: HA 90.002°, SD 200.012, VA 90°: N = 1000 − 200.012·sin 7.2" = 999.9930,
        // E = 1200.0120; Z = 50 + 1.5 − 1.5 + 0.86·200.012²/(2·6371000) = 50.0027.
        // The instrument said 999.998, 1200.012, 50.000: dN = −5.0, dE = 0.0, dZ = +2.7 mm.
        // B from S1 (HA 270°, HD 200.008): N = 1000.0000, E = 1200 − 200.008 = 999.9920, the
        // same height; no instrument coordinates, so no differences.
        // Five distance pointings in all (B: 1, S1: 2, S2: 1, C: 1), four setups.
        CTestDatabase db;
        ImportJob(db);
        const QString out = db.FilePath("points.csv");
        const CliRun run = Cli(db, {"compute", "points", "--output", out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.Out(), QStringLiteral("5 points from 4 setups; 0 beyond 10 mm\n"));
        const QList<QByteArray> lines = FileBytes(out).split('\n');
        QCOMPARE(lines.at(0), QByteArray("PT,STATION,N,E,Z,CODE,DN,DE,DZ\r"));
        QCOMPARE(lines.at(1), QByteArray("S1,B,999.9930,1200.0120,50.0027,TP,-5.0,0.0,2.7\r"));
        QCOMPARE(lines.at(2), QByteArray("B,S1,1000.0000,999.9920,50.0027,CP,,,\r"));

        const CliRun shown = Cli(db, {"show", "calc"});
        QCOMPARE(shown.exitCode, 0);
        const QStringList rows = shown.Out().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows.at(1).split('\t').mid(2), QStringList({"S1", "B", "999.9930", "1200.0120", "50.0027", "TP", "-5.0",
                                                             "0.0", "2.7"}));

        // A tolerance of 2 mm flags S1 (5.0 mm off in plan, 2.7 in height).
        QCOMPARE(Cli(db, {"compute", "points", "--tolerance", "2", "--refraction", "off"}).Out(),
                 QStringLiteral("5 points from 4 setups; 1 beyond 2 mm\n"));
    }

    void facesAreListed()
    {
        // One setup with a pair: HA 30°00'06"/209°59'54", VA 84°59'54"/274°59'54" (in half
        // arc-seconds 216012/1511988, 611988/1979988): 2C +12.0", index −6.0", mean 30°, 85°.
        CTestDatabase db;
        const QString job = db.FilePath("faces.txt");
        QFile file(job);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("C,ST,0,0,0,1.5,,\r\nD,T,611988,216012,1.5,,\r\nD,T,1979988,1511988,1.5,,\r\n");
        file.close();
        QCOMPARE(Cli(db, {"import", "t5", job}).exitCode, 0);
        const QString out = db.FilePath("faces.csv");
        const CliRun run = Cli(db, {"compute", "faces", "--output", out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.Out(), QStringLiteral("1 pairs from 1 setups; 0 beyond 13.0\" 2C spread\n"));
        // The job file keeps 4 decimals of a degree: 30.0017 and 209.9983, 84.9983 and 274.9983:
        // 2C = (30.0017 − 29.9983)·3600 = 12.2", index = (84.9983 + 274.9983 − 360)/2·3600 = −6.1",
        // mean direction 30.0000, mean zenith 84.9983 + 0.0017 = 85.0000.
        QCOMPARE(FileBytes(out), QByteArray("STATION,PT,HA,VA,C2,INDEX\r\nST,T,30.000000,85.000000,12.2,-6.1\r\n"));
    }

    void failuresAndUsage()
    {
        CTestDatabase db;
        // No job: nothing to compute from.
        QCOMPARE(Cli(db, {"compute", "points"}).exitCode, 1);
        ImportJob(db);
        QCOMPARE(Cli(db, {"compute"}).exitCode, 2);
        QCOMPARE(Cli(db, {"compute", "traverse"}).exitCode, 2);
        QCOMPARE(Cli(db, {"compute", "points", "--refraction", "2"}).exitCode, 2);
        QCOMPARE(Cli(db, {"compute", "faces", "--route", "A,B"}).exitCode, 2);
        const CliRun unknown = Cli(db, {"compute", "traverse", "--route", "X,B,S1,S2,C,D"});
        QCOMPARE(unknown.exitCode, 1);
        QVERIFY(unknown.Err().contains(QStringLiteral("X")));
        QCOMPARE(Cli(db, {"compute", "traverse", "--route", "A,B,S1,S2,C,D", "--known", db.FilePath("none.txt")}).exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestCliCompute)
#include "tst_cli_compute.moc"
