#include "core/geodesy/cgcs2000_zones.h"
#include "core/geodesy/coordinate_system.h"
#include "core/geodesy/list_transform.h"
#include "core/geodesy/parameter_fit.h"
#include "core/geodesy/point_transform.h"
#include "core/geodesy/system_store.h"
#include "core/geodesy/geodesy_texts.h"
#include "test_database.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <numbers>

namespace
{
constexpr int Cgcs2000Geographic = 4490;
constexpr int Zone39 = 4527; // CGCS2000 / 3-degree Gauss-Kruger zone 39, CM 117°E, north first
constexpr int Zone40 = 4528; // zone 40, CM 120°E
constexpr double Arcsecond = std::numbers::pi / (180.0 * 3600.0);

struct Position
{
    double north = 0, east = 0;
};

// One position through a transform (-1: PROJ refused it).
Position Through(const CPointTransform& transform, Position p, bool* refused = nullptr)
{
    const qsizetype failed = transform.Apply({&p.north, 1}, {&p.east, 1});
    if (refused)
        *refused = failed >= 0;
    return p;
}

// The Bursa-Wolf model written out: X2 = T + (1 + s)(X1 + r × X1), the small-angle rotation
// in the position-vector convention.
CommonPoint BursaWolf(const QString& name, double x, double y, double z, const HelmertParameters& h)
{
    const double k = 1 + h.scale;
    CommonPoint p{name, x, y, z, 0, 0, 0};
    p.n2 = h.tx + k * (x - h.rz * y + h.ry * z);
    p.e2 = h.ty + k * (h.rz * x + y - h.rx * z);
    p.z2 = h.tz + k * (-h.ry * x + h.rx * y + z);
    return p;
}

// A plane similarity written out: N2 = dN + k(N cos θ − E sin θ), E2 = dE + k(N sin θ + E cos θ).
CommonPoint Similar(const QString& name, double n, double e, const SimilarityParameters& s)
{
    const double k = 1 + s.scale, c = std::cos(s.rotation), si = std::sin(s.rotation);
    return {name, n, e, 0, s.dN + k * (c * n - si * e), s.dE + k * (si * n + c * e), 0};
}

// Five well-spread points near Beijing in geocentric coordinates (metres).
QList<std::array<double, 3>> GeocentricPoints()
{
    return {{-2148744.3, 4426641.2, 4044655.8},
            {-2147000.0, 4430000.0, 4042000.0},
            {-2152000.1, 4424000.3, 4047000.9},
            {-2145500.7, 4428500.2, 4046100.4},
            {-2150300.5, 4431200.8, 4041500.2}};
}

// A datum shift of the size crews meet between an old national datum and CGCS2000.
HelmertParameters KnownHelmert()
{
    return {-15.415, 157.025, 94.74, 1.465 * Arcsecond, -0.108 * Arcsecond, -1.625 * Arcsecond, -0.2548e-6};
}
} // namespace

class TestGeodesy : public QObject
{
    Q_OBJECT

private slots:
    // A CGCS2000 zone point and its latitude and longitude, both ways.
    void ZonePointToGeographicAndBack()
    {
        // On the central meridian a Gauss-Krüger northing is the meridian arc from the equator,
        // S(φ) = ∫₀^φ a(1−e²)/(1−e² sin²φ)^{3/2} dφ, and the easting is the false easting with
        // the zone number in front. CGCS2000: a = 6378137, 1/f = 298.257222101. By Simpson's
        // rule with 20 000 steps, S(38°) = 4 207 498.0190 m; so 38°N 117°E is
        // N 4 207 498.0190, E 39 500 000.0000 in zone 39.
        const CPointTransform toZone(CoordinateSystem::Epsg(Cgcs2000Geographic), CoordinateSystem::Epsg(Zone39));
        QVERIFY(toZone.Prepared().Succeeded());
        const Position zone = Through(toZone, {38.0, 117.0});
        QVERIFY2(std::abs(zone.north - 4207498.0190) < 0.001, qPrintable(QString::number(zone.north, 'f', 4)));
        QVERIFY(std::abs(zone.east - 39500000.0) < 0.001);

        // Off the meridian and back again: the round trip loses under 0.1 mm.
        const CPointTransform toGeographic(CoordinateSystem::Epsg(Zone39), CoordinateSystem::Epsg(Cgcs2000Geographic));
        for (const Position start : {Position{4207498.019, 39500000.0}, Position{3322400.125, 39634567.891},
                                     Position{4500123.456, 39379876.543}})
        {
            const Position geographic = Through(toGeographic, start);
            QVERIFY(geographic.north > 25 && geographic.north < 45);
            QVERIFY(geographic.east > 115.5 && geographic.east < 118.5);
            const Position back = Through(toZone, geographic);
            QVERIFY2(std::hypot(back.north - start.north, back.east - start.east) < 1e-4,
                     qPrintable(QStringLiteral("%1 %2").arg(back.north - start.north).arg(back.east - start.east)));
        }
    }

    // 118.5°E is the boundary of zones 39 (CM 117°) and 40 (CM 120°): a point there lies 1.5° east
    // of one meridian and 1.5° west of the other. The transverse Mercator is symmetric about its
    // meridian, so both zones give it the same northing and eastings mirrored about 500 km.
    void ZoneToZoneAcrossTheBoundary()
    {
        const CPointTransform toZone39(CoordinateSystem::Epsg(Cgcs2000Geographic), CoordinateSystem::Epsg(Zone39));
        const Position in39 = Through(toZone39, {30.0, 118.5});
        const CPointTransform zoneToZone(CoordinateSystem::Epsg(Zone39), CoordinateSystem::Epsg(Zone40));
        QVERIFY(zoneToZone.Prepared().Succeeded());
        const Position in40 = Through(zoneToZone, in39);
        QVERIFY(std::abs(in40.north - in39.north) < 1e-4);
        QVERIFY(std::abs((in39.east - 39500000.0) + (in40.east - 40500000.0)) < 1e-4);
        QVERIFY(in39.east > 39500000.0 && in40.east < 40500000.0);
        // And back: zone to zone and back loses under 0.1 mm.
        const CPointTransform back(CoordinateSystem::Epsg(Zone40), CoordinateSystem::Epsg(Zone39));
        const Position again = Through(back, in40);
        QVERIFY(std::hypot(again.north - in39.north, again.east - in39.east) < 1e-4);
    }

    // The local grid at 117.5°E raised 500 m, against PROJ's own cs2cs given the same definition
    // written out here (so the definition the program builds is pinned too).
    void LocalGridAgainstCs2cs()
    {
        LocalGrid grid;
        grid.meridian = 117.5;
        grid.height = 500;
        const CoordinateSystem local = CoordinateSystem::Local(grid);
        const QString definition = QStringLiteral("+proj=tmerc +lat_0=0 +lon_0=117.5 +k=1 +x_0=500000 +y_0=0 "
                                                  "+a=6378637 +rf=298.257222101 +units=m +no_defs +type=crs");
        QCOMPARE(ProjDefinitionOf(local), definition);
        QCOMPARE(DescriptionOf(local), definition);

        const CPointTransform toLocal(CoordinateSystem::Epsg(Cgcs2000Geographic), local);
        QVERIFY(toLocal.Prepared().Succeeded());
        // On the meridian the raised ellipsoid (same flattening) gives the arc in proportion to
        // its axis: S(39.5°) = 4 374 014.1135 m on CGCS2000 (Simpson, as above) becomes
        // 4 374 357.0047 m with a + 500 m.
        const Position onMeridian = Through(toLocal, {39.5, 117.5});
        QVERIFY2(std::abs(onMeridian.north - 4374357.0047) < 0.001, qPrintable(QString::number(onMeridian.north, 'f', 4)));
        QVERIFY(std::abs(onMeridian.east - 500000.0) < 0.001);

        const QString cs2cs = QStandardPaths::findExecutable(QStringLiteral("cs2cs"));
        if (cs2cs.isEmpty())
            QSKIP("cs2cs (proj-bin) is not installed");
        const QList<Position> points = {{39.5, 117.5}, {39.62, 118.31}, {38.91, 116.77}};
        QProcess process;
        process.start(cs2cs, QStringList{QStringLiteral("-f"), QStringLiteral("%.4f"), QStringLiteral("EPSG:4490"),
                                         QStringLiteral("+to")} +
                                 definition.split(QLatin1Char(' ')));
        QVERIFY(process.waitForStarted());
        for (const Position& p : points)
            process.write(QStringLiteral("%1 %2\n").arg(p.north, 0, 'f', 9).arg(p.east, 0, 'f', 9).toLatin1());
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(10000));
        const QStringList lines = QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), points.size());
        for (int i = 0; i < points.size(); ++i)
        {
            // cs2cs writes easting, northing for a PROJ-string system.
            const QStringList fields = lines[i].simplified().split(QLatin1Char(' '));
            const Position ours = Through(toLocal, points[i]);
            QVERIFY2(std::abs(ours.east - fields[0].toDouble()) < 0.0002 && std::abs(ours.north - fields[1].toDouble()) < 0.0002,
                     qPrintable(lines[i]));
        }
    }

    // Grid scale factor and meridian convergence, against the textbook series of the
    // transverse Mercator (l = Δλ, t = tan φ, η² = e'² cos² φ):
    //   k = 1 + l²cos²φ(1+η²)/2 + l⁴cos⁴φ(5−4t²+14η²−28t²η²)/24
    //   γ = l sin φ (1 + l²cos²φ(1+3η²+2η⁴)/3 + l⁴cos⁴φ(2−t²)/15)
    // At 30°N, 1.5° east of the meridian: k = 1.0002583607, γ = 0.75013049°.
    void GridFactors()
    {
        const CGridFactors factors(CoordinateSystem::Epsg(Zone39));
        QVERIFY(factors.Prepared().Succeeded());
        const CPointTransform toZone(CoordinateSystem::Epsg(Cgcs2000Geographic), CoordinateSystem::Epsg(Zone39));
        const Position east = Through(toZone, {30.0, 118.5});
        const std::optional<::GridFactors> at = factors.At(east.north, east.east);
        QVERIFY(at);
        QVERIFY2(std::abs(at->scale - 1.0002583607) < 1e-9, qPrintable(QString::number(at->scale, 'f', 10)));
        QVERIFY2(std::abs(at->convergence - 0.75013049) < 1e-7, qPrintable(QString::number(at->convergence, 'f', 8)));
        // West of the meridian the convergence turns the other way; on it there is none.
        const Position west = Through(toZone, {30.0, 115.5});
        QVERIFY(std::abs(factors.At(west.north, west.east)->convergence + 0.75013049) < 1e-7);
        const Position middle = Through(toZone, {30.0, 117.0});
        QVERIFY(std::abs(factors.At(middle.north, middle.east)->scale - 1.0) < 1e-9);
        QVERIFY(std::abs(factors.At(middle.north, middle.east)->convergence) < 1e-9);
        // Latitude and longitude have no grid.
        QCOMPARE(CGridFactors(CoordinateSystem::Epsg(Cgcs2000Geographic)).Prepared().status, Status::CannotCompute);
    }

    void SystemsKnownAndUnknown()
    {
        QCOMPARE(DescriptionOf(CoordinateSystem::Epsg(Zone39)),
                 QStringLiteral("EPSG:4527 CGCS2000 / 3-degree Gauss-Kruger zone 39"));
        QCOMPARE(DescriptionOf({}), QStringLiteral("none"));
        QCOMPARE(EpsgCodeOf(QStringLiteral("epsg:4527")), std::optional<int>(4527));
        QCOMPARE(EpsgCodeOf(QStringLiteral("4527")), std::nullopt);
        QCOMPARE(EpsgCodeOf(QStringLiteral("EPSG:45x")), std::nullopt);

        const Outcome unknown = CheckSystem(CoordinateSystem::Epsg(99999));
        QCOMPARE(unknown.status, Status::UnknownCoordinateSystem);
        QCOMPARE(MessageOf(unknown).text, GeodesyTexts::UnknownSystem.Arg(QStringLiteral("EPSG:99999")));
        // A register code that names no coordinate system (a unit of measure) is unknown too.
        QCOMPARE(CheckSystem(CoordinateSystem::Epsg(9001)).status, Status::UnknownCoordinateSystem);
        QCOMPARE(CheckSystem({}).status, Status::NoCoordinateSystem);
        QCOMPARE(CPointTransform(CoordinateSystem::Epsg(Zone39), CoordinateSystem::Epsg(99999)).Prepared().status,
                 Status::UnknownCoordinateSystem);

        QCOMPARE(GeographicOf(CoordinateSystem::Epsg(Zone39)), std::optional(CoordinateSystem::Epsg(Cgcs2000Geographic)));
        QCOMPARE(GeographicOf(CoordinateSystem::Local({117.5, 500, 500000, 0, 1})),
                 std::optional(CoordinateSystem::Epsg(Cgcs2000Geographic)));
        QVERIFY(IsGeographic(CoordinateSystem::Epsg(Cgcs2000Geographic)));
        QVERIFY(!IsGeographic(CoordinateSystem::Epsg(Zone39)));
    }

    // The register's CGCS2000 zones: 11 + 11 six-degree and 21 + 21 three-degree systems
    // (6° zones 13–23 cover 72°E–138°E, 3° zones 25–45 cover 73.5°E–136.5°E).
    void ZonesOfferedByName()
    {
        const QList<NamedSystem> zones = Cgcs2000Zones();
        QCOMPARE(zones.size(), 64);
        QCOMPARE(zones.first().epsg, 4491);
        QCOMPARE(zones.first().name, QStringLiteral("CGCS2000 / Gauss-Kruger zone 13"));
        QCOMPARE(zones.last().name, QStringLiteral("CGCS2000 / 3-degree Gauss-Kruger CM 135E"));
        // CM 117E is 3° zone 39 without its number in front: 4534 + (117 − 75)/3 = 4548.
        QCOMPARE(Cgcs2000ZoneNamed(QStringLiteral(" cgcs2000 / 3-degree gauss-kruger cm 117e ")), std::optional(4548));
        QCOMPARE(Cgcs2000ZoneNamed(QStringLiteral("CGCS2000 / 3-degree Gauss-Kruger zone 39")), std::optional(Zone39));
        QCOMPARE(Cgcs2000ZoneNamed(QStringLiteral("CGCS2000 / 3-degree Gauss-Kruger CM 118E")), std::nullopt);
    }

    void SystemStoredInTheProject()
    {
        CTestDatabase db;
        QCOMPARE(ReadProjectSystem(db.Store()), CoordinateSystem{});
        QVERIFY(WriteProjectSystem(db.Store(), CoordinateSystem::Epsg(Zone39)).Succeeded());
        QCOMPARE(ReadProjectSystem(db.Store()), CoordinateSystem::Epsg(Zone39));
        const LocalGrid grid{117.5, 512.25, 40000, -3000000, 0.9999};
        QVERIFY(WriteProjectSystem(db.Store(), CoordinateSystem::Local(grid)).Succeeded());
        QCOMPARE(ReadProjectSystem(db.Store()), CoordinateSystem::Local(grid));
        // An unknown code is refused and the stored system stays.
        QCOMPARE(WriteProjectSystem(db.Store(), CoordinateSystem::Epsg(99999)).status, Status::UnknownCoordinateSystem);
        QCOMPARE(ReadProjectSystem(db.Store()), CoordinateSystem::Local(grid));
        QCOMPARE(db.Count(QStringLiteral("CoordSystem")), 1);
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void ListTransformedInThePlace()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values (1, 'Import_Data', 'A', '4207498.019', '39500000.000', '12.5', 'K')",
                "insert into CoorEdit values (2, 'Import_Data', 'B', 'x', '39500000.000', '', '')",
                "insert into CoorEdit values (3, 'Import_Data', 'C', '3322400.125', '39634567.891', '', 'K')"});
        // Without a system nothing can be converted, and the user is told so.
        const Outcome none = TransformPointList(db.Store(), CoordinateSystem::Epsg(Cgcs2000Geographic));
        QCOMPARE(none.status, Status::NoCoordinateSystem);
        QCOMPARE(MessageOf(none).text, QString(GeodesyTexts::NoSystem));
        const QStringList before = db.CoorRows();

        QVERIFY(WriteProjectSystem(db.Store(), CoordinateSystem::Epsg(Zone39)).Succeeded());
        const QString file = db.FilePath(QStringLiteral("geo.csv"));
        const Outcome written =
            WriteTransformedPoints(db.Store(), CoordinateSystem::Epsg(Cgcs2000Geographic), file, true);
        QCOMPARE(written.status, Status::Done);
        QCOMPARE(written.detail, GeodesyTexts::SkippedPoints.Counted(1));
        QCOMPARE(db.CoorRows(), before);
        QFile csv(file);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(csv.readAll()).split(QStringLiteral("\r\n"));
        // 38°N 117°E from the first test; on the meridian the scale is 1 and the convergence 0.
        QCOMPARE(lines.value(0), QStringLiteral("PT,LAT,LON,Z,CODE,SCALE,CONVERGENCE"));
        QCOMPARE(lines.value(1), QStringLiteral("A,38.000000000,117.000000000,12.5000,K,1.000000000,0.000000"));
        QCOMPARE(lines.value(2), QStringLiteral("B,,,,,,"));
        QVERIFY(lines.value(3).startsWith(QStringLiteral("C,30.0")));

        // Replacing: positions change, everything else stays, and the project takes the new system.
        QVERIFY(TransformPointList(db.Store(), CoordinateSystem::Epsg(Cgcs2000Geographic)).Succeeded());
        QCOMPARE(ReadProjectSystem(db.Store()), CoordinateSystem::Epsg(Cgcs2000Geographic));
        const QStringList after = db.CoorRows();
        QCOMPARE(after.value(0), QStringLiteral("1|Import_Data|A|38.000000000|117.000000000|12.5|K"));
        QCOMPARE(after.value(1), before.value(1));
        // And back to the zone: the round trip through nine decimals of a degree keeps the millimetre.
        QVERIFY(TransformPointList(db.Store(), CoordinateSystem::Epsg(Zone39)).Succeeded());
        QCOMPARE(db.CoorRows(), before);
    }

    void PointOutsideTheSystemChangesNothing()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values (1, 'Import_Data', 'A', '38.0', '117.0', '', '')",
                "insert into CoorEdit values (2, 'Import_Data', 'B', '95.0', '117.0', '', '')"});
        QVERIFY(WriteProjectSystem(db.Store(), CoordinateSystem::Epsg(Cgcs2000Geographic)).Succeeded());
        const QStringList before = db.CoorRows();
        const Outcome outcome = TransformPointList(db.Store(), CoordinateSystem::Epsg(Zone39));
        QCOMPARE(outcome.status, Status::CannotCompute);
        QCOMPARE(outcome.detail, GeodesyTexts::PointNotTransformed.Arg(QStringLiteral("B")));
        QCOMPARE(db.CoorRows(), before);
        QCOMPARE(ReadProjectSystem(db.Store()), CoordinateSystem::Epsg(Cgcs2000Geographic));
    }

    // Five common points made from known parameters by the model written out above: the fit
    // gives the parameters back (1e-6 m, 1e-6", 1e-6 ppm) with no residual.
    void HelmertRecovered()
    {
        const HelmertParameters known = KnownHelmert();
        std::vector<CommonPoint> points;
        int n = 0;
        for (const auto& x : GeocentricPoints())
            points.push_back(BursaWolf(QStringLiteral("P%1").arg(++n), x[0], x[1], x[2], known));
        const FitResult fit = FitParameters(FitModel::Helmert, points);
        QVERIFY(fit.outcome.Succeeded());
        const HelmertParameters& h = fit.helmert;
        QVERIFY2(std::abs(h.tx - known.tx) < 1e-6 && std::abs(h.ty - known.ty) < 1e-6 && std::abs(h.tz - known.tz) < 1e-6,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(h.tx, 0, 'f', 9).arg(h.ty, 0, 'f', 9).arg(h.tz, 0, 'f', 9)));
        for (const auto& [fitted, truth] : {std::pair{h.rx, known.rx}, std::pair{h.ry, known.ry}, std::pair{h.rz, known.rz}})
            QVERIFY(std::abs(fitted - truth) / Arcsecond < 1e-6);
        QVERIFY(std::abs(h.scale - known.scale) * 1e6 < 1e-6);
        QVERIFY(fit.rms < 1e-6);

        // One point moved 5 cm north in the second system: its residual is the largest.
        points[2].n2 += 0.05;
        const FitResult disturbed = FitParameters(FitModel::Helmert, points);
        size_t largest = 0;
        for (size_t i = 0; i < disturbed.residuals.size(); ++i)
            if (std::hypot(disturbed.residuals[i].vN, disturbed.residuals[i].vE) >
                std::hypot(disturbed.residuals[largest].vN, disturbed.residuals[largest].vE))
                largest = i;
        QCOMPARE(disturbed.residuals[largest].name, QStringLiteral("P3"));
        QVERIFY(disturbed.residuals[largest].vN < -0.01); // transformed less given: the given moved north
        QVERIFY(disturbed.rms > 0.005);
        // Left out, it no longer pulls the others: the rest fit exactly and it misses by its 5 cm.
        const FitResult excluded = FitParameters(FitModel::Helmert, points, {QStringLiteral("P3")});
        QVERIFY(excluded.rms < 1e-6);
        QVERIFY(!excluded.residuals[2].used);
        QVERIFY(std::abs(excluded.residuals[2].vN + 0.05) < 1e-6);
    }

    void SimilarityRecovered()
    {
        // Grid coordinates in the millions, a turn of 30" and 12 ppm: the centroid form keeps
        // the normal equations well conditioned.
        const SimilarityParameters known{-1234.567, 890.123, 30.0 * Arcsecond, 12e-6};
        std::vector<CommonPoint> points = {Similar("A", 4207498.019, 39500000.0, known),
                                           Similar("B", 4208123.4, 39501234.5, known),
                                           Similar("C", 4206050.7, 39502200.1, known),
                                           Similar("D", 4209000.2, 39498500.9, known)};
        const FitResult fit = FitParameters(FitModel::Similarity, points);
        QVERIFY(fit.outcome.Succeeded());
        QVERIFY(std::abs(fit.similarity.dN - known.dN) < 1e-4);
        QVERIFY(std::abs(fit.similarity.dE - known.dE) < 1e-4);
        QVERIFY(std::abs(fit.similarity.rotation - known.rotation) / Arcsecond < 1e-6);
        QVERIFY(std::abs(fit.similarity.scale - known.scale) * 1e6 < 1e-6);
        QVERIFY(fit.rms < 1e-6);
    }

    void TooFewOrBadlyPlacedPoints()
    {
        const HelmertParameters known = KnownHelmert();
        const std::vector<CommonPoint> two = {BursaWolf("A", 1000, 0, 0, known), BursaWolf("B", 0, 1000, 0, known)};
        const FitResult few = FitParameters(FitModel::Helmert, two);
        QCOMPARE(few.outcome.status, Status::CannotCompute);
        QCOMPARE(few.outcome.detail, GeodesyTexts::TooFewCommonPoints.Arg(3));
        // Three points on one line leave the turn about that line open.
        const std::vector<CommonPoint> line = {BursaWolf("A", 0, 0, 0, known), BursaWolf("B", 100, 100, 100, known),
                                               BursaWolf("C", 300, 300, 300, known)};
        QCOMPARE(FitParameters(FitModel::Helmert, line).outcome.detail, QString(GeodesyTexts::PointsInOneLine));
        const std::vector<CommonPoint> same = {Similar("A", 10, 10, {}), Similar("B", 10, 10, {})};
        QCOMPARE(FitParameters(FitModel::Similarity, same).outcome.status, Status::CannotCompute);
        QCOMPARE(FitParameters(FitModel::Similarity, two, {QStringLiteral("A")}).outcome.detail,
                 GeodesyTexts::TooFewCommonPoints.Arg(2));
    }

    // The fitted parameters applied through PROJ's Helmert operation give the second system's
    // points: the fit and PROJ agree on the conventions (turn direction, scale, axis order).
    void FittedParametersApplied()
    {
        CTestDatabase db;
        const SimilarityParameters plane{100.5, -200.25, 45.0 * Arcsecond, -8e-6};
        const CommonPoint p = Similar("A", 3500123.456, 412345.678, plane);
        const CommonPoint q = Similar("B", 3501000.0, 413000.0, plane);
        db.Run({QStringLiteral("insert into CoorEdit values (1, 'Import_Data', 'A', '%1', '%2', '5.000', '')")
                    .arg(p.n1, 0, 'f', 3)
                    .arg(p.e1, 0, 'f', 3)});
        const FitResult similarity = FitParameters(FitModel::Similarity, {p, q});
        QVERIFY(ApplyFitToList(db.Store(), similarity).Succeeded());
        QCOMPARE(db.CoorRows().value(0), QStringLiteral("1|Import_Data|A|%1|%2|5.000|")
                                             .arg(p.n2, 0, 'f', 3)
                                             .arg(p.e2, 0, 'f', 3));

        const HelmertParameters known = KnownHelmert();
        std::vector<CommonPoint> points;
        for (const auto& x : GeocentricPoints())
            points.push_back(BursaWolf(QStringLiteral("P"), x[0], x[1], x[2], known));
        db.Run({"delete from CoorEdit",
                QStringLiteral("insert into CoorEdit values (1, 'Import_Data', 'A', '%1', '%2', '%3', '')")
                    .arg(points[0].n1, 0, 'f', 3)
                    .arg(points[0].e1, 0, 'f', 3)
                    .arg(points[0].z1, 0, 'f', 3),
                "insert into CoorEdit values (2, 'Import_Data', 'B', '1.0', '2.0', '', '')"});
        QVERIFY(ApplyFitToList(db.Store(), FitParameters(FitModel::Helmert, points)).Succeeded());
        QCOMPARE(db.CoorRows(), QStringList({QStringLiteral("1|Import_Data|A|%1|%2|%3|")
                                                 .arg(points[0].n2, 0, 'f', 3)
                                                 .arg(points[0].e2, 0, 'f', 3)
                                                 .arg(points[0].z2, 0, 'f', 3),
                                             // Without a height it cannot move in space: it stays.
                                             QStringLiteral("2|Import_Data|B|1.0|2.0||")}));
    }

    void CommonPointFile()
    {
        CTestDatabase db;
        const QString path = db.FilePath(QStringLiteral("common.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("P1,1,2,3,4,5,6\r\n\r\nP2, 1.5 ,2,3,4,5,6\r\nP3,1,2,3,4,5\r\n");
        file.close();
        std::vector<CommonPoint> points;
        const Outcome outcome = ReadCommonPoints(path, points);
        QCOMPARE(outcome.status, Status::CannotCompute);
        QCOMPARE(outcome.detail, GeodesyTexts::BadCommonLine.Arg(4));
        QCOMPARE(points.size(), size_t(2));
        QCOMPARE(points[1].n1, 1.5);
        QCOMPARE(ReadCommonPoints(db.FilePath(QStringLiteral("missing.csv")), points).status, Status::FileNotReadable);
    }
};

QTEST_GUILESS_MAIN(TestGeodesy)
#include "tst_geodesy.moc"
