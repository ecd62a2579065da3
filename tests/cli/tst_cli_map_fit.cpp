#include "cli_runner.h"
#include "core/geodesy/geodesy_texts.h"
#include "file_bytes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// What GDAL's ogrinfo reads in a file (all layers, every feature); empty when it is missing.
QString OgrInfo(const QString& path)
{
    const QString ogrinfo = QStandardPaths::findExecutable(QStringLiteral("ogrinfo"));
    if (ogrinfo.isEmpty())
        return {};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ogrinfo, {QStringLiteral("-ro"), QStringLiteral("-al"), path});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

class TestCliMapFit : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString Database() const { return m_dir.filePath(QStringLiteral("geo.db")); }
    CliRun Cli(const QStringList& words) { return RunCli(Database(), words); }

private slots:
    void init() { QFile::remove(Database()); }
    void MapExportsReadByGdal()
    {
        QCOMPARE(Cli({"point", "add", "A<1>", "4207498.019", "39500000", "12.5", "K"}).exitCode, 0);
        QCOMPARE(Cli({"point", "add", "B", "4207498.019", "39601000", "8", "J"}).exitCode, 0);
        QCOMPARE(Cli({"point", "add", "C", "4207598.019", "39500100", "9", "K"}).exitCode, 0);
        const QString kml = m_dir.filePath(QStringLiteral("points.kml"));
        const QString geojson = m_dir.filePath(QStringLiteral("points.geojson"));
        const CliRun none = Cli({"export", "kml", kml, "--kind", "coor"});
        QCOMPARE(none.exitCode, 1);
        QCOMPARE(none.Err().trimmed(), QString(GeodesyTexts::NoSystem));
        QCOMPARE(Cli({"crs", "set", "EPSG:4527"}).exitCode, 0);
        QCOMPARE(Cli({"export", "kml", kml, "--kind", "coor"}).exitCode, 0);
        QCOMPARE(Cli({"export", "geojson", geojson, "--kind", "coor"}).exitCode, 0);
        QCOMPARE(Cli({"export", "kml", kml, "--kind", "code"}).exitCode, 2);

        // GeoJSON as a JSON reader sees it: longitude first, WGS84 (CGCS2000 agrees to centimetres).
        const QJsonObject collection = QJsonDocument::fromJson(ReadText(geojson).toUtf8()).object();
        QCOMPARE(collection.value("type").toString(), QStringLiteral("FeatureCollection"));
        const QJsonArray features = collection.value("features").toArray();
        QCOMPARE(features.size(), 3);
        const QJsonObject first = features.at(0).toObject();
        const QJsonArray position = first.value("geometry").toObject().value("coordinates").toArray();
        QVERIFY(std::abs(position.at(0).toDouble() - 117.0) < 1e-6 && std::abs(position.at(1).toDouble() - 38.0) < 1e-6);
        QCOMPARE(first.value("properties").toObject().value("name").toString(), QStringLiteral("A<1>"));
        QCOMPARE(first.value("properties").toObject().value("height").toDouble(), 12.5);

        if (QStandardPaths::findExecutable(QStringLiteral("ogrinfo")).isEmpty())
            QSKIP("GDAL's ogrinfo (gdal-bin) is not installed: the files are not read back");
        // KML: a folder, read by GDAL as a layer, per code.
        const QString kmlRead = OgrInfo(kml);
        QVERIFY2(kmlRead.contains(QStringLiteral("Layer name: K")) && kmlRead.contains(QStringLiteral("Layer name: J")),
                 qPrintable(kmlRead));
        QVERIFY(kmlRead.contains(QStringLiteral("A<1>")));
        QVERIFY(kmlRead.contains(QStringLiteral("POINT Z (117 38 12.5)")));
        const QString jsonRead = OgrInfo(geojson);
        QVERIFY2(jsonRead.contains(QStringLiteral("Feature Count: 3")), qPrintable(jsonRead));
        QVERIFY(jsonRead.contains(QStringLiteral("POINT Z (117 38 12.5)")));
        QVERIFY(jsonRead.contains(QStringLiteral("code (String) = J")));
    }

    // The common points come from the Helmert model with tx 10 m, rz 2" (position vector,
    // small angle) and no other parameter: X2 = X + 10 − rz·Y, Y2 = Y + rz·X, Z2 = Z, with
    // rz = 2" = 9.69627362e-6 rad, worked here for four points 1 km apart.
    void FitPrinted()
    {
        const double rz = 2.0 * 3.14159265358979323846 / (180.0 * 3600.0);
        QByteArray common;
        const double points[][3] = {{0, 0, 0}, {1000, 0, 0}, {0, 1000, 0}, {0, 0, 1000}, {1000, 1000, 1000}};
        int n = 0;
        for (const auto& p : points)
            common += QStringLiteral("P%1,%2,%3,%4,%5,%6,%7\n")
                          .arg(++n)
                          .arg(p[0])
                          .arg(p[1])
                          .arg(p[2])
                          .arg(p[0] + 10 - rz * p[1], 0, 'f', 9)
                          .arg(p[1] + rz * p[0], 0, 'f', 9)
                          .arg(p[2])
                          .toLatin1();
        const QString path = m_dir.filePath(QStringLiteral("common.csv"));
        WriteText(path, common);
        const CliRun fit = Cli({"fit", "helmert", "--common", path});
        QCOMPARE(fit.exitCode, 0);
        const QStringList lines = fit.Out().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.mid(0, 7), QStringList({"tx: 10.000000", "ty: 0.000000", "tz: 0.000000", "rx: 0.000000",
                                                "ry: 0.000000", "rz: 2.000000", "scale: 0.000000"}));
        QCOMPARE(lines.mid(7), QStringList({"P1 0.0 0.0", "P2 0.0 0.0", "P3 0.0 0.0", "P4 0.0 0.0", "P5 0.0 0.0",
                                            "rms: 0.0 mm"}));
        // The plane similarity sees the same turn: 2" from north towards east, 10 m north. The
        // small-angle model lengthens by √(1 + rz²): rz²/2 = 4.7e-11, 0.000047 ppm.
        const CliRun similarity = Cli({"fit", "similarity", "--common", path, "--exclude", "P4,P5"});
        QCOMPARE(similarity.Out().split(QLatin1Char('\n')).mid(0, 4),
                 QStringList({"dN: 10.000000", "dE: 0.000000", "rotation: 2.000000", "scale: 0.000047"}));
        QCOMPARE(Cli({"fit", "helmert", "--common", path, "--exclude", "P9"}).exitCode, 2);
        const CliRun few = Cli({"fit", "helmert", "--common", path, "--exclude", "P1,P2,P3"});
        QCOMPARE(few.exitCode, 1);
        QCOMPARE(few.Err().trimmed(), GeodesyTexts::TooFewCommonPoints.Arg(3));

        // Applied, the list moves as the common points did.
        QCOMPARE(Cli({"point", "add", "Q", "0", "1000", "0"}).exitCode, 0);
        QCOMPARE(Cli({"fit", "similarity", "--common", path, "--apply"}).exitCode, 0);
        // N = 10 + 0·cos − 1000·sin 2" = 9.990 and E = 1000·cos 2" = 1000.000.
        const QString shown = Cli({"show", "coor"}).Out();
        QVERIFY2(shown.contains(QStringLiteral("Q\t9.990\t1000.000\t0")), qPrintable(shown));
    }
};

QTEST_GUILESS_MAIN(TestCliMapFit)
#include "tst_cli_map_fit.moc"
