#include "cli_runner.h"
#include "meas_rows.h"
#include "test_database.h"

#include <QFile>
#include <QTest>

#include <cmath>

namespace
{
QStringList CsvLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!bytes.endsWith("\r\n"))
        return {QStringLiteral("no CR LF at the end")};
    return QString::fromUtf8(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

bool Near(const QString& text, double expected, double within)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::abs(value - expected) <= within;
}
} // namespace

// adjust and compute resection on a stored job, end to end: the job's rows, the known points'
// file, the CSV and the summary lines.
class TestCliAdjust : public QObject
{
    Q_OBJECT

private slots:
    // A free station S (its job coordinates 5 m off, at 995, 1995) set on A with PA 0 and
    // measuring A, B, C exactly from (1000, 2000): A (1100, 2000) at 0°, 100 m; B (1000, 2150)
    // at 90°, 150 m; C (900, 1950) at 206.565051°, 111.8034 m; all level (VA 90°), IH = PH = 1.5,
    // every known height 50.000.
    // N, E: exact readings give S exactly (1000, 2000).
    // σN, σE (tests/core/reference/free_station.py backsight: the backsight row is a second
    // direction to A): 1.0097 mm and 0.6173 mm, written to 1 decimal: 1.0 and 0.6.
    // Z: each height difference is the curvature and refraction (1 − 0.14)·HD²/2R alone
    // (R 6,371,000 m): A 0.000675, B 0.001519, C 0.000844 m, weighted by 1/σ² with
    // σ² = (HD·2″)² + 2·(1 mm)²: A 2.9401e−6, B 4.1153e−6, C 3.1752e−6 m² → weights
    // 340124, 242996, 314944; the mean rise 0.000962 m, so Z = 50 − 0.000962 = 49.9990.
    void resectionOfAFreeStation()
    {
        CTestDatabase db;
        db.Run({MeasRow(1, "Station", {"S", "995", "1995", "48", "", "", "", "", "1.5"}),
                MeasRow(2, "Backsight-Coor", {"A", "1100", "2000", "50", "", "1.5", "0"}),
                MeasRow(3, "Dist", {"A", "", "", "", "", "1.5", "", "", "", "0", "90", "100"}),
                MeasRow(4, "Dist", {"B", "", "", "", "", "1.5", "", "", "", "90", "90", "150"}),
                MeasRow(5, "Dist", {"C", "", "", "", "", "1.5", "", "", "", "206.5650511771", "90",
                                    "111.8033988750"})});
        const QString known = db.FilePath("known.txt");
        QFile file(known);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("A,1100,2000,50,\r\nB,1000,2150,50,\r\nC,900,1950,50,\r\n");
        file.close();
        const QString output = db.FilePath("station.csv");
        const CliRun run = RunCli(db.Path(), {"compute", "resection", "S", "--known", known, "--output", output});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QStringList lines = CsvLines(output);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("PT,N,E,Z,SN,SE"));
        const QStringList fields = lines[1].split(',');
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields[0], QStringLiteral("S"));
        QCOMPARE(fields[1], QStringLiteral("1000.0000"));
        QCOMPARE(fields[2], QStringLiteral("2000.0000"));
        QVERIFY2(Near(fields[3], 49.9990, 0.00006), qPrintable(fields[3]));
        QCOMPARE(fields[4], QStringLiteral("1.0"));
        QCOMPARE(fields[5], QStringLiteral("0.6"));

        // A station the job never set up on, and one that sees a single known point.
        CliRun missing = RunCli(db.Path(), {"compute", "resection", "T", "--known", known});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(!missing.err.isEmpty());
    }

    // The whole job: A and B known, S set on A, P and Q measured from S and again from A.
    // Exact readings: every residual 0, the CSV lists all points with σ for those adjusted only.
    void adjustTheJob()
    {
        CTestDatabase db;
        // S (1000, 2000) on A (1100, 2000), PA 0; P (1000, 2100) 90° 100 m; B (900, 2000) 180° 100 m.
        db.Run({MeasRow(1, "Station", {"S", "1000", "2000", "50", "", "", "", "", "1.5"}),
                MeasRow(2, "Backsight-Coor", {"A", "1100", "2000", "50", "", "1.5", "0"}),
                MeasRow(3, "Dist", {"A", "", "", "", "", "1.5", "", "", "", "0", "90", "100"}),
                MeasRow(4, "Dist", {"P", "", "", "", "", "1.5", "", "", "", "90", "90", "100"}),
                MeasRow(5, "Dist", {"B", "", "", "", "", "1.5", "", "", "", "180", "90", "100"})});
        const QString known = db.FilePath("known.txt");
        QFile file(known);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("A,1100,2000,50,\r\nB,900,2000,50,\r\n");
        file.close();
        const QString output = db.FilePath("adjusted.csv");
        const QString report = db.FilePath("report.txt");
        CliRun run = RunCli(db.Path(), {"adjust", "--known", known, "--output", output, "--report", report,
                                        "--sigma-direction", "1", "--sigma-distance", "1,1", "--heights"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QStringList lines = CsvLines(output);
        QCOMPARE(lines.value(0), QStringLiteral("PT,N,E,SN,SE,A,B,AZ,Z,SZ"));
        QCOMPARE(lines.size(), 1 + 4);
        QVERIFY(lines.contains(QStringLiteral("A,1100.0000,2000.0000,,,,,,50.0000,")));
        QVERIFY(QFile::exists(report));
        // Exact readings: vᵀPv = 0, so σ0 = 0.000 and the two-sided test fails low.
        // Directions 4 (the backsight and three pointings), distances 3; unknowns: S and P (4)
        // and one orientation: dof 2.
        QVERIFY2(run.Out().contains(QStringLiteral("sigma0: 0.000 (dof 2)\n")), qPrintable(run.Out()));
        QVERIFY(run.Out().contains(QStringLiteral("chi-square test: fail\n")));
        QVERIFY(run.Out().contains(QStringLiteral("largest standardized residual: 0.00 at ")));

        run = RunCli(db.Path(), {"adjust", "--known", known, "--fixed", "A"});
        QCOMPARE(run.exitCode, 1); // one fixed point: no fixed orientation
        QVERIFY(!run.err.isEmpty());
        run = RunCli(db.Path(), {"adjust", "--sigma-distance", "2"});
        QCOMPARE(run.exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliAdjust)
#include "tst_cli_adjust.moc"
