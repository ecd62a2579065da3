#include "cli_runner.h"
#include "core/geodesy/geodesy_texts.h"
#include "file_bytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCliCrs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString Database() const { return m_dir.filePath(QStringLiteral("geo.db")); }
    CliRun Cli(const QStringList& words) { return RunCli(Database(), words); }

private slots:
    void init() { QFile::remove(Database()); }
    void SystemSetAndShown()
    {
        QCOMPARE(Cli({"crs"}).Out(), QStringLiteral("none\n"));
        const CliRun unknown = Cli({"crs", "set", "EPSG:99999"});
        QCOMPARE(unknown.exitCode, 1);
        QCOMPARE(unknown.Err().trimmed(), GeodesyTexts::UnknownSystem.Arg(QStringLiteral("EPSG:99999")));
        QCOMPARE(Cli({"crs"}).Out(), QStringLiteral("none\n"));

        QCOMPARE(Cli({"crs", "set", "EPSG:4527"}).exitCode, 0);
        QCOMPARE(Cli({"crs"}).Out(), QStringLiteral("EPSG:4527 CGCS2000 / 3-degree Gauss-Kruger zone 39\n"));
        QCOMPARE(Cli({"crs", "set", "local", "--meridian", "117.5", "--height=500"}).exitCode, 0);
        QCOMPARE(Cli({"crs"}).Out(), QStringLiteral("+proj=tmerc +lat_0=0 +lon_0=117.5 +k=1 +x_0=500000 +y_0=0 "
                                                   "+a=6378637 +rf=298.257222101 +units=m +no_defs +type=crs\n"));
        QCOMPARE(Cli({"crs", "set", "local", "--meridian", "120", "--false-easting", "40000", "--false-northing",
                      "-3000000", "--scale", "0.9996"})
                     .exitCode,
                 0);
        QVERIFY(Cli({"crs"}).Out().contains(QStringLiteral("+lon_0=120 +k=0.9996 +x_0=40000 +y_0=-3000000 +a=6378137 ")));

        // Words that do not make a system are usage errors, and change nothing.
        for (const QStringList& words : {QStringList{"crs", "set", "4527"}, QStringList{"crs", "set", "local"},
                                         QStringList{"crs", "set", "local", "--meridian", "117", "--scale", "2"}})
            QVERIFY2(Cli(words).exitCode == 2, qPrintable(words.join(' ')));
        QVERIFY(Cli({"crs"}).Out().contains(QStringLiteral("+lon_0=120 ")));
    }

    void PointListTransformed()
    {
        QCOMPARE(Cli({"point", "add", "A", "4207498.019", "39500000", "12.5", "K"}).exitCode, 0);
        QCOMPARE(Cli({"point", "add", "B", "4207498.019", "39601000", "8", "J"}).exitCode, 0);
        // No system: a clear message and nothing written.
        const QString output = m_dir.filePath(QStringLiteral("out.csv"));
        const CliRun none = Cli({"transform", "--to", "geographic", "--output", output});
        QCOMPARE(none.exitCode, 1);
        QCOMPARE(none.Err().trimmed(), QString(GeodesyTexts::NoSystem));
        QVERIFY(!QFile::exists(output));

        QCOMPARE(Cli({"crs", "set", "EPSG:4527"}).exitCode, 0);
        QCOMPARE(Cli({"transform", "--to", "geographic", "--output", output}).exitCode, 0);
        // 38°N 117°E: the zone's central meridian at the arc length worked in tst_geodesy.
        const QStringList lines = ReadText(output).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(0), QStringLiteral("PT,LAT,LON,Z,CODE"));
        QCOMPARE(lines.value(1), QStringLiteral("A,38.000000000,117.000000000,12.5000,K"));
        QCOMPARE(Cli({"crs"}).Out(), QStringLiteral("EPSG:4527 CGCS2000 / 3-degree Gauss-Kruger zone 39\n"));

        QCOMPARE(Cli({"transform", "--to", "EPSG:4528", "--output", output, "--factors"}).exitCode, 0);
        QCOMPARE(ReadText(output).section(QStringLiteral("\r\n"), 0, 0), QStringLiteral("PT,N,E,Z,CODE,SCALE,CONVERGENCE"));
        QCOMPARE(Cli({"transform", "--to", "EPSG:99999"}).exitCode, 1);

        // Without --output the list is replaced and the project takes the new system.
        QCOMPARE(Cli({"transform", "--to", "geographic"}).exitCode, 0);
        QCOMPARE(Cli({"crs"}).Out(), QStringLiteral("EPSG:4490 China Geodetic Coordinate System 2000\n"));
        QVERIFY(Cli({"show", "coor"}).Out().contains(QStringLiteral("A\t38.000000000\t117.000000000\t12.500\tK")));

        QCOMPARE(Cli({"transform", "--to", "zone40"}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliCrs)
#include "tst_cli_crs.moc"
