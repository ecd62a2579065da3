#include "core/compute/adjustment/adjustment_texts.h"
#include "core/compute/adjustment/apriori_options.h"
#include "core/compute/adjustment/plan_adjustment.h"
#include "core/compute/adjustment/statistics.h"

#include <QTest>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>

using namespace Adjustment;

namespace
{
constexpr double Rho = 180.0 * 3600.0 / std::numbers::pi; // seconds per radian

double Seconds(double seconds)
{
    return seconds / Rho;
}

double Degrees(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// Builds networks by point name.
class CNetworkBuilder
{
public:
    CNetworkBuilder& Fixed(const QString& name, double north, double east)
    {
        NetworkPoint& point = Point(name);
        point.north = north;
        point.east = east;
        point.plan = Datum::Fixed;
        return *this;
    }
    // Known, and tied to its coordinates with σ (m) in N and in E.
    CNetworkBuilder& Weighted(const QString& name, double north, double east, double sigma)
    {
        Fixed(name, north, east);
        NetworkPoint& point = Point(name);
        point.plan = Datum::Weighted;
        point.sigmaPlan = sigma;
        return *this;
    }
    CNetworkBuilder& FixedHeight(const QString& name, double height)
    {
        NetworkPoint& point = Point(name);
        point.height = height;
        point.level = Datum::Fixed;
        return *this;
    }
    CNetworkBuilder& Approximate(const QString& name, double north, double east)
    {
        NetworkPoint& point = Point(name);
        point.north = north;
        point.east = east;
        return *this;
    }
    // A new setup at `station`; the observations that follow belong to it.
    CNetworkBuilder& Setup(const QString& station)
    {
        Adjustment::Setup setup;
        setup.station = Index(station);
        network.setups.push_back(setup);
        return *this;
    }
    CNetworkBuilder& Observe(const QString& target, std::optional<double> direction, std::optional<double> distance,
                             std::optional<double> heightDifference = std::nullopt)
    {
        Observation observation;
        observation.target = Index(target);
        observation.direction = direction;
        observation.distance = distance;
        observation.heightDifference = heightDifference;
        observation.slopeDistance = distance.value_or(0.0);
        observation.zenith = std::numbers::pi / 2;
        network.setups.back().observations.push_back(observation);
        return *this;
    }
    // Direction and distance computed from true coordinates (exact observations).
    CNetworkBuilder& Sight(const QString& target, double fromN, double fromE, double toN, double toE,
                           double orientation = 0.0, bool distance = true)
    {
        const double azimuth = std::atan2(toE - fromE, toN - fromN);
        double direction = std::remainder(azimuth - orientation, 2 * std::numbers::pi);
        if (direction < 0)
            direction += 2 * std::numbers::pi;
        return Observe(target, direction,
                       distance ? std::optional<double>(std::hypot(toN - fromN, toE - fromE)) : std::nullopt);
    }
    int Index(const QString& name)
    {
        for (size_t i = 0; i < network.points.size(); ++i)
            if (network.points[i].name == name)
                return int(i);
        NetworkPoint point;
        point.name = name;
        network.points.push_back(point);
        return int(network.points.size() - 1);
    }

    Network network;

private:
    NetworkPoint& Point(const QString& name) { return network.points[size_t(Index(name))]; }
};

const AdjustedPoint& PointNamed(const Network& network, const PlanAdjustment& result, const QString& name)
{
    for (const AdjustedPoint& point : result.points)
        if (network.points[size_t(point.point)].name == name)
            return point;
    qFatal("no adjusted point %s", qPrintable(name));
}

const Residual& ResidualAt(const Network& network, const PlanAdjustment& result, const QString& station,
                           const QString& target, ObservationKind kind)
{
    for (const Residual& residual : result.residuals)
    {
        const Adjustment::Setup& setup = network.setups[size_t(residual.ref.setup)];
        if (residual.ref.kind == kind && network.points[size_t(setup.station)].name == station &&
            network.points[size_t(setup.observations[size_t(residual.ref.observation)].target)].name == target)
            return residual;
    }
    qFatal("no residual %s->%s", qPrintable(station), qPrintable(target));
}

// The free station of freeStationFromThreeKnownPoints: S observes A (1100, 2000) 100.006 m at
// 0°, B (1000, 2150) 150 m at 90°00′04″ and C (900, 1950) exactly; A and B fixed, C as `c` says.
CNetworkBuilder FreeStationWithC(const std::function<void(CNetworkBuilder&)>& c)
{
    CNetworkBuilder builder;
    builder.Fixed(QStringLiteral("A"), 1100.0, 2000.0).Fixed(QStringLiteral("B"), 1000.0, 2150.0);
    c(builder);
    builder.Setup(QStringLiteral("S"))
        .Observe(QStringLiteral("A"), 0.0, 100.006)
        .Observe(QStringLiteral("B"), Degrees(90.0) + Seconds(4.0), 150.0)
        .Observe(QStringLiteral("C"), std::atan2(-50.0, -100.0) + 2 * std::numbers::pi, std::hypot(100.0, 50.0));
    return builder;
}

bool Near(double value, double expected, double tolerance)
{
    return std::abs(value - expected) <= tolerance;
}

// A braced quadrilateral: A and B known, C and D found; every point a setup that observes the
// other three by direction and distance, all exact but the direction C→A, read 20″ too large.
CNetworkBuilder BracedQuadrilateral()
{
    const QList<std::pair<QString, std::pair<double, double>>> corners = {
        {QStringLiteral("A"), {1000.0, 1000.0}},
        {QStringLiteral("B"), {1000.0, 1300.0}},
        {QStringLiteral("C"), {1250.0, 1300.0}},
        {QStringLiteral("D"), {1250.0, 1000.0}}};
    CNetworkBuilder builder;
    builder.Fixed(QStringLiteral("A"), 1000.0, 1000.0).Fixed(QStringLiteral("B"), 1000.0, 1300.0);
    // Each setup has its own orientation: the instrument's zero points somewhere else.
    double orientation = Degrees(10.0);
    for (const auto& [station, at] : corners)
    {
        builder.Setup(station);
        for (const auto& [target, to] : corners)
            if (target != station)
                builder.Sight(target, at.first, at.second, to.first, to.second, orientation);
        orientation += Degrees(47.0);
    }
    for (Observation& observation : builder.network.setups[2].observations)
        if (builder.network.points[size_t(observation.target)].name == QStringLiteral("A"))
            *observation.direction += Seconds(20.0);
    return builder;
}
} // namespace

class TestAdjustment : public QObject
{
    Q_OBJECT

private slots:
    // A free station S observing three known points by direction and distance (σ 2″, 2 mm + 2 ppm):
    //   A (1100, 2000)  B (1000, 2150)  C (900, 1950); S really at (1000, 2000) with orientation 0.
    //   Observed: A 0°00′00″ 100.006 m (6 mm long), B 90°00′04″ (4″ off) 150.000 m,
    //             C 206°33′54.18″ 111.8034 m (exact).
    // Linearised at (1000, 2000, ω 0) — tests/core/reference/free_station.py writes out the rows:
    //   direction rows a = [ΔE/D², −ΔN/D², −1], distance rows a = [−ΔN/D, −ΔE/D, 0], p = 1/σ²:
    //     dir A  [0, −0.01, −1]            l = 0          p = 1.063629e10
    //     dist A [−1, 0, 0]                l = 0.006      p = 2.066116e5
    //     dir B  [0.0066667, 0, −1]        l = 4″         p = 1.063629e10
    //     dist B [0, −1, 0]                l = 0          p = 1.890359e5
    //     dir C  [−0.004, 0.008, −1]       l = 0          p = 1.063629e10
    //     dist C [0.894427, 0.447214, 0]   l = 0          p = 2.022479e5
    //   N = AᵀPA, x = N⁻¹AᵀPl = (−0.0324 mm, +0.0662 mm, −1.348″); the problem is linear enough
    //   that further steps change nothing at 10⁻⁹ m.
    //   Q = N⁻¹: σN = 1.0224 mm, σE = 0.7253 mm, σω = 1.171″, Q_NE = 1.283253e−7 m².
    //   Residuals: A dir +1.212″ dist −5.968 mm; B dir −2.696″ dist −0.066 mm; C dir +1.484″;
    //   vᵀPv = 10.094 with 6 − 3 = 3 degrees of freedom, σ0 = 1.834.
    void freeStationFromThreeKnownPoints()
    {
        CNetworkBuilder builder;
        builder.Fixed(QStringLiteral("A"), 1100.0, 2000.0)
            .Fixed(QStringLiteral("B"), 1000.0, 2150.0)
            .Fixed(QStringLiteral("C"), 900.0, 1950.0);
        builder.Setup(QStringLiteral("S"))
            .Observe(QStringLiteral("A"), 0.0, 100.006)
            .Observe(QStringLiteral("B"), Degrees(90.0) + Seconds(4.0), 150.0)
            .Observe(QStringLiteral("C"), std::atan2(-50.0, -100.0) + 2 * std::numbers::pi, std::hypot(100.0, 50.0));
        const Network& network = builder.network;
        const PlanAdjustment result = AdjustPlan(network);
        QVERIFY2(result.outcome.Succeeded(), qPrintable(result.outcome.detail));

        const AdjustedPoint& station = PointNamed(network, result, QStringLiteral("S"));
        QVERIFY(std::abs(station.north - (1000.0 - 0.0000324)) < 2e-6);
        QVERIFY(std::abs(station.east - (2000.0 + 0.0000662)) < 2e-6);
        QVERIFY(std::abs(*station.sigmaNorth - 0.0010224) < 1e-7);
        QVERIFY(std::abs(*station.sigmaEast - 0.0007253) < 1e-7);
        QCOMPARE(result.orientations.size(), size_t(1));
        QVERIFY(std::abs(result.orientations[0].orientation * Rho - -1.348) < 0.002);
        QVERIFY(std::abs(result.orientations[0].sigma * Rho - 1.171) < 0.002);
        // The ellipse holds the same covariance: A² + B² = σN² + σE².
        QVERIFY(std::abs(station.ellipse->major * station.ellipse->major +
                         station.ellipse->minor * station.ellipse->minor -
                         (*station.sigmaNorth * *station.sigmaNorth + *station.sigmaEast * *station.sigmaEast)) < 1e-15);

        QVERIFY(std::abs(ResidualAt(network, result, "S", "A", ObservationKind::Direction).residual * Rho - 1.212) < 0.002);
        QVERIFY(std::abs(ResidualAt(network, result, "S", "A", ObservationKind::Distance).residual - -0.005968) < 2e-6);
        QVERIFY(std::abs(ResidualAt(network, result, "S", "B", ObservationKind::Direction).residual * Rho - -2.696) < 0.002);
        QVERIFY(std::abs(ResidualAt(network, result, "S", "C", ObservationKind::Direction).residual * Rho - 1.484) < 0.002);
        QCOMPARE(result.test.dof, 3);
        QVERIFY(std::abs(*result.test.sigma0 - 1.834) < 0.001);
        // Without approximate coordinates the station was placed from the observations and
        // then iterated; it stops once a step moves it less than 0.1 mm.
        QVERIFY(result.iterations >= 1 && result.iterations <= 3);
    }

    // Data snooping in a braced quadrilateral with one direction 20″ wrong. With a single blunder ∇
    // on observation i and exact others, v = −Qvv·P·eᵢ·∇, so for i itself v = −rᵢ·∇ and
    // w = v / σv = −∇·√rᵢ / σᵢ (σv² = rᵢ·σᵢ²); vᵀPv = rᵢ·∇²/σᵢ². 12 directions and 12 distances
    // (the six lines each way) against 4 free coordinates and 4 orientations: 16 degrees of
    // freedom. The blunder must stand out as the largest w, above 3.29.
    void snoopingNamesTheBlunderedDirection()
    {
        CNetworkBuilder builder = BracedQuadrilateral();
        const Network& network = builder.network;
        const PlanAdjustment result = AdjustPlan(network);
        QVERIFY2(result.outcome.Succeeded(), qPrintable(result.outcome.detail));
        QCOMPARE(result.test.dof, 24 - 8);

        const Residual& blunder = ResidualAt(network, result, "C", "A", ObservationKind::Direction);
        QCOMPARE(&result.residuals[size_t(result.snooping.residual)], &blunder);
        QVERIFY(result.snooping.beyondCritical);
        const double r = blunder.redundancy;
        QVERIFY(r > 0.2 && r < 1.0);
        QVERIFY(std::abs(blunder.residual - -r * Seconds(20.0)) < Seconds(0.01));
        QVERIFY(std::abs(*blunder.standardized - -20.0 * std::sqrt(r) / 2.0) < 0.01);
        QVERIFY(std::abs(result.test.weightedSquareSum - r * 100.0) < 0.01);
        QVERIFY(!result.test.passed); // 16 degrees of freedom take vᵀPv up to 28.85
        // The points stay where they are within a few tenths of a millimetre.
        QVERIFY(std::abs(PointNamed(network, result, "C").north - 1250.0) < 0.001);

        // The re-run without it: exact data, every residual zero.
        const Network without = WithoutObservation(network, blunder.ref);
        const PlanAdjustment again = AdjustPlan(without);
        QVERIFY(again.outcome.Succeeded());
        QCOMPARE(again.test.dof, 15);
        QVERIFY(again.test.weightedSquareSum < 1e-8);
        QVERIFY(std::abs(PointNamed(without, again, "C").north - 1250.0) < 1e-6);
        QVERIFY(std::abs(PointNamed(without, again, "D").east - 1000.0) < 1e-6);
    }

    // Every point known: the only unknowns are the orientations. One direction per setup
    // determines its orientation without redundancy (ω = azimuth − direction): no σ0, no test,
    // no standardized residual, and still a result. A distance between known points is all
    // redundancy (r = 1): 100.004 m against 100.000 gives v = −4 mm and w = −4 / 2.2 = −1.818
    // (σ = 2 mm + 2 ppm · 100 m).
    void allPointsFixed()
    {
        CNetworkBuilder builder;
        builder.Fixed("A", 0.0, 0.0).Fixed("B", 100.0, 0.0).Fixed("C", 0.0, 100.0);
        builder.Setup("A").Observe("B", Degrees(30.0), std::nullopt);
        PlanAdjustment result = AdjustPlan(builder.network);
        QVERIFY(result.outcome.Succeeded());
        QCOMPARE(result.test.dof, 0);
        QVERIFY(!result.test.made);
        QVERIFY(!result.test.sigma0);
        QCOMPARE(result.snooping.residual, -1);
        QVERIFY(!result.residuals[0].standardized);
        QVERIFY(std::abs(result.orientations[0].orientation - Degrees(-30.0)) < 1e-12);
        QVERIFY(std::abs(result.residuals[0].residual) < 1e-12);
        QVERIFY(!PointNamed(builder.network, result, "B").sigmaNorth);

        builder.Observe("C", std::nullopt, 100.004);
        result = AdjustPlan(builder.network);
        QVERIFY(result.outcome.Succeeded());
        QCOMPARE(result.test.dof, 1);
        const Residual& distance = ResidualAt(builder.network, result, "A", "C", ObservationKind::Distance);
        QVERIFY(std::abs(distance.residual - -0.004) < 1e-9);
        QVERIFY(std::abs(distance.redundancy - 1.0) < 1e-9);
        QVERIFY(std::abs(*distance.standardized - -0.004 / 0.0022) < 1e-4); // σ from 100.004 m: 2.200008 mm
    }

    // Where nothing is redundant the adjustment is the polar computation: a point placed by one
    // direction and distance from a station oriented on one known point.
    void withoutRedundancyAdjustedIsComputed()
    {
        CNetworkBuilder builder;
        builder.Fixed("S", 500.0, 500.0).Fixed("R", 600.0, 500.0);
        // Oriented 0 on R; P at direction 60°, 200 m: N = 500 + 200·cos 60° = 600,
        // E = 500 + 200·sin 60° = 673.2051.
        builder.Setup("S").Observe("R", 0.0, std::nullopt).Observe("P", Degrees(60.0), 200.0);
        const PlanAdjustment result = AdjustPlan(builder.network);
        QVERIFY(result.outcome.Succeeded());
        QCOMPARE(result.test.dof, 0);
        const AdjustedPoint& p = PointNamed(builder.network, result, "P");
        QVERIFY(std::abs(p.north - 600.0) < 1e-6);
        QVERIFY(std::abs(p.east - (500.0 + 100.0 * std::sqrt(3.0))) < 1e-6);
        // Its σ: along the line the distance's 2.4 mm (2 mm + 2 ppm · 200 m); across it the
        // directions to R and P, 2″ each, 200 m · √2 · 2″ = 2.742 mm: the ellipse's axes, the
        // major across the line of sight (azimuth 60° + 90° = 150°).
        QVERIFY(std::abs(p.ellipse->minor - 0.0024) < 1e-7);
        QVERIFY(std::abs(p.ellipse->major - 200.0 * std::sqrt(2.0) * Seconds(2.0)) < 1e-7);
        QVERIFY(std::abs(p.ellipse->azimuth - Degrees(150.0)) < 1e-6);
    }

    // A datum that is missing is named in words, never met as a singular matrix.
    void missingDatumIsNamed()
    {
        CNetworkBuilder none;
        none.Setup("S").Observe("P", 0.0, 100.0).Observe("Q", 1.0, 100.0);
        PlanAdjustment result = AdjustPlan(none.network);
        QCOMPARE(result.outcome.status, Status::CannotCompute);
        QCOMPARE(result.outcome.detail, AdjustmentTexts::NoFixedPoint.Text());

        CNetworkBuilder one;
        one.Fixed("S", 0.0, 0.0);
        one.Setup("S").Observe("P", 0.0, 100.0).Observe("Q", 1.0, 100.0);
        result = AdjustPlan(one.network);
        QCOMPARE(result.outcome.status, Status::CannotCompute);
        QCOMPARE(result.outcome.detail, AdjustmentTexts::NoFixedOrientation.Text());

        // Two parts, the second with one known point only: it is named by one of its points.
        CNetworkBuilder parts;
        parts.Fixed("A", 0.0, 0.0).Fixed("B", 100.0, 0.0).Fixed("K", 900.0, 900.0);
        parts.Setup("A").Observe("B", 0.0, 100.0).Observe("P", 1.0, 50.0);
        parts.Setup("K").Observe("Q", 0.0, 30.0);
        result = AdjustPlan(parts.network);
        QCOMPARE(result.outcome.status, Status::CannotCompute);
        QCOMPARE(result.outcome.detail, AdjustmentTexts::InPart.Arg(AdjustmentTexts::NoFixedOrientation, "K"));

        // Two readings of one direction from one station fix a line, not a point: it cannot be
        // placed, and placed by hand it still is not determined.
        CNetworkBuilder line;
        line.Fixed("A", 0.0, 0.0).Fixed("B", 100.0, 0.0);
        line.Setup("A").Observe("B", 0.0, std::nullopt).Observe("P", 1.0, std::nullopt).Observe("P", 1.0, std::nullopt);
        result = AdjustPlan(line.network);
        QCOMPARE(result.outcome.detail, AdjustmentTexts::NoApproximation.Arg("P"));
        line.Approximate("P", 50.0, 50.0);
        result = AdjustPlan(line.network);
        QCOMPARE(result.outcome.status, Status::CannotCompute);
        QCOMPARE(result.outcome.detail, AdjustmentTexts::PointNotDetermined.Arg("P"));

        CNetworkBuilder heights;
        heights.Fixed("A", 0.0, 0.0).Fixed("B", 100.0, 0.0);
        heights.Setup("A").Observe("B", 0.0, 100.0, 1.5);
        QCOMPARE(AdjustHeights(heights.network).outcome.detail, AdjustmentTexts::NoFixedHeight.Text());
        QCOMPARE(AdjustPlan(CNetworkBuilder().network).outcome.detail, AdjustmentTexts::NoObservations.Text());
    }

    // A point that one lone direction reaches (a far mark) is left out and named; one that
    // directions from two known stations reach is placed where they cross. A (0, 0) and
    // B (100, 0); P (50, 50) lies at azimuth 45° from A and 135° from B: four directions, two
    // coordinates and two orientations, nothing to spare, so P comes out exactly there.
    void lonePointsAndIntersections()
    {
        CNetworkBuilder builder;
        builder.Fixed("A", 0.0, 0.0).Fixed("B", 100.0, 0.0);
        builder.Setup("A").Observe("B", 0.0, std::nullopt).Observe("P", Degrees(45.0), std::nullopt)
            .Observe("FAR", Degrees(200.0), std::nullopt);
        builder.Setup("B").Observe("A", Degrees(180.0), std::nullopt).Observe("P", Degrees(135.0), std::nullopt);
        const PlanAdjustment result = AdjustPlan(builder.network);
        QVERIFY2(result.outcome.Succeeded(), qPrintable(result.outcome.detail));
        QCOMPARE(result.leftOut, std::vector<int>{builder.Index("FAR")});
        const AdjustedPoint& p = PointNamed(builder.network, result, "P");
        QVERIFY(std::abs(p.north - 50.0) < 1e-9 && std::abs(p.east - 50.0) < 1e-9);
        QCOMPARE(result.test.dof, 0);
        QVERIFY(std::none_of(result.points.begin(), result.points.end(),
                             [&](const AdjustedPoint& point) { return point.point == builder.Index("FAR"); }));
    }

    // A straight traverse B → S1 → S2 → C along north (A behind B and D beyond C give the
    // orientations), angles exact, each leg measured 10 mm long: misclosure fN = +30 mm.
    // Compass rule: each point moves back by fN · (distance so far) / (total length).
    // Least squares with equal σ for every leg (2 mm, no ppm) shares the misclosure equally,
    // −10 mm a leg; across the line nothing moves. With legs 100, 100, 100 both put S1 at
    // 100.000 and S2 at 200.000. With legs 100, 150, 50 (measured 100.010, 150.010, 50.010):
    //   compass  S1 = 100.010 − 30·100/300 = 100.000, S2 = 250.020 − 30·250/300 = 249.995;
    //   adjusted S1 = 100.010 − 10 = 100.000,         S2 = 250.020 − 20 = 250.000:
    // the expected difference is 5 mm at S2 and none at S1.
    void straightTraverseAgainstCompassRule_data()
    {
        QTest::addColumn<double>("leg2");
        QTest::addColumn<double>("leg3");
        QTest::addColumn<double>("compassS2");
        QTest::newRow("equal legs") << 100.0 << 100.0 << 200.000;
        QTest::newRow("unequal legs") << 150.0 << 50.0 << 249.995;
    }
    void straightTraverseAgainstCompassRule()
    {
        QFETCH(double, leg2);
        QFETCH(double, leg3);
        QFETCH(double, compassS2);
        const double s2 = 100.0 + leg2;
        const double c = s2 + leg3;
        CNetworkBuilder builder;
        builder.Fixed("A", -100.0, 0.0).Fixed("B", 0.0, 0.0).Fixed("C", c, 0.0).Fixed("D", c + 100.0, 0.0);
        builder.network.sigmas.distancePpm = 0.0;
        const double back = std::numbers::pi; // the instrument reads the azimuth: back 180°, ahead 0°
        builder.Setup("B").Observe("A", back, std::nullopt).Observe("S1", 0.0, 100.010);
        builder.Setup("S1").Observe("B", back, std::nullopt).Observe("S2", 0.0, leg2 + 0.010);
        builder.Setup("S2").Observe("S1", back, std::nullopt).Observe("C", 0.0, leg3 + 0.010);
        builder.Setup("C").Observe("S2", back, std::nullopt).Observe("D", 0.0, std::nullopt);
        const PlanAdjustment result = AdjustPlan(builder.network);
        QVERIFY2(result.outcome.Succeeded(), qPrintable(result.outcome.detail));
        const AdjustedPoint& p1 = PointNamed(builder.network, result, "S1");
        const AdjustedPoint& p2 = PointNamed(builder.network, result, "S2");
        QVERIFY(std::abs(p1.north - 100.000) < 1e-6); // compass 100.000 too
        QVERIFY(std::abs(p2.north - s2) < 1e-6);
        QVERIFY(std::abs(p1.east) < 1e-6 && std::abs(p2.east) < 1e-6);
        QVERIFY(std::abs(std::abs(p2.north - compassS2) - (leg2 == 100.0 ? 0.0 : 0.005)) < 1e-6);
    }

    // The order of points, setups and observations changes nothing; neither does turning and
    // shifting the whole network, except that the coordinates turn and shift with it.
    void invariantToOrderAndPlacement()
    {
        const CNetworkBuilder reference = BracedQuadrilateral();
        const PlanAdjustment expected = AdjustPlan(reference.network);

        Network shuffled = reference.network;
        std::mt19937 random(7);
        std::shuffle(shuffled.setups.begin(), shuffled.setups.end(), random);
        for (Adjustment::Setup& setup : shuffled.setups)
            std::shuffle(setup.observations.begin(), setup.observations.end(), random);
        // Points in reverse order: every index is renumbered.
        const int count = int(shuffled.points.size());
        std::reverse(shuffled.points.begin(), shuffled.points.end());
        for (Adjustment::Setup& setup : shuffled.setups)
        {
            setup.station = count - 1 - setup.station;
            for (Observation& observation : setup.observations)
                observation.target = count - 1 - observation.target;
        }
        const PlanAdjustment reordered = AdjustPlan(shuffled);
        QVERIFY(reordered.outcome.Succeeded());
        QVERIFY(std::abs(reordered.test.weightedSquareSum - expected.test.weightedSquareSum) < 1e-9);
        QCOMPARE(std::abs(reordered.residuals[size_t(reordered.snooping.residual)].observed),
                 std::abs(expected.residuals[size_t(expected.snooping.residual)].observed));
        for (const QString name : {"C", "D"})
        {
            const AdjustedPoint& a = PointNamed(reference.network, expected, name);
            const AdjustedPoint& b = PointNamed(shuffled, reordered, name);
            QVERIFY(std::abs(a.north - b.north) < 1e-9 && std::abs(a.east - b.east) < 1e-9);
            QVERIFY(std::abs(*a.sigmaNorth - *b.sigmaNorth) < 1e-12);
            QVERIFY(std::abs(a.ellipse->azimuth - b.ellipse->azimuth) < 1e-9);
        }

        // Turned by 30° about the origin and shifted by (+5000, −3000): the known points and
        // (the instrument does not turn) the observations keep their values, only the
        // orientations change; the ellipses turn by 30°.
        Network moved = reference.network;
        const double turn = Degrees(30.0);
        for (NetworkPoint& point : moved.points)
            if (point.HasPlan())
            {
                const double n = *point.north, e = *point.east;
                point.north = n * std::cos(turn) - e * std::sin(turn) + 5000.0;
                point.east = n * std::sin(turn) + e * std::cos(turn) - 3000.0;
            }
        const PlanAdjustment turned = AdjustPlan(moved);
        QVERIFY(turned.outcome.Succeeded());
        for (const QString name : {"C", "D"})
        {
            const AdjustedPoint& a = PointNamed(reference.network, expected, name);
            const AdjustedPoint& b = PointNamed(moved, turned, name);
            QVERIFY(std::abs(a.north * std::cos(turn) - a.east * std::sin(turn) + 5000.0 - b.north) < 1e-6);
            QVERIFY(std::abs(a.north * std::sin(turn) + a.east * std::cos(turn) - 3000.0 - b.east) < 1e-6);
            QVERIFY(std::abs(std::remainder(b.ellipse->azimuth - a.ellipse->azimuth - turn, std::numbers::pi)) < 1e-6);
        }
    }

    // A height loop A → B → C → A with A fixed at 100.000 and the rises 1.000, 2.000, −2.994
    // (misclosure +6 mm), the three equally precise: each is corrected by −2 mm,
    // B = 100.998, C = 102.996. Rows [1 0], [−1 1], [0 −1] give N = [[2 −1] [−1 2]]/σ²,
    // Q = σ²/3·[[2 1] [1 2]], so σB = σC = σ·√(2/3); r = 1/3 for each rise.
    void heightLoop()
    {
        CNetworkBuilder builder;
        builder.FixedHeight("A", 100.0);
        builder.Setup("A").Observe("B", std::nullopt, 150.0, 1.000);
        builder.Setup("B").Observe("C", std::nullopt, 150.0, 2.000);
        builder.Setup("C").Observe("A", std::nullopt, 150.0, -2.994);
        const HeightAdjustment result = AdjustHeights(builder.network);
        QVERIFY2(result.outcome.Succeeded(), qPrintable(result.outcome.detail));
        // σ² of each: level sight (cos ζ = 0), 150 m · 2″ across, 1 mm twice for the heights.
        const double sigma = std::sqrt(std::pow(150.0 * Seconds(2.0), 2) + 2e-6);
        for (const AdjustedHeight& height : result.heights)
        {
            const QString name = builder.network.points[size_t(height.point)].name;
            if (name == "B")
                QVERIFY(std::abs(height.height - 100.998) < 1e-9);
            if (name == "C")
                QVERIFY(std::abs(height.height - 102.996) < 1e-9);
            if (name != "A")
                QVERIFY(std::abs(*height.sigma - sigma * std::sqrt(2.0 / 3.0)) < 1e-9);
        }
        QCOMPARE(result.test.dof, 1);
        for (const Residual& residual : result.residuals)
        {
            QVERIFY(std::abs(residual.residual - -0.002) < 1e-9);
            QVERIFY(std::abs(residual.redundancy - 1.0 / 3.0) < 1e-9);
        }

        // A weighted at σw = 5 mm instead: A becomes an unknown with the row A = 100.000 of
        // weight 1/σw². The loop says nothing about the level as a whole, so that row keeps
        // A at 100.000 and the rises are corrected as before (4 rows on 3 unknowns: dof 1);
        // the level's uncertainty adds to every height: σA = σw, σB² = σw² + (2/3)σ².
        NetworkPoint& a = builder.network.points[size_t(builder.Index("A"))];
        a.level = Datum::Weighted;
        a.sigmaHeight = 0.005;
        const HeightAdjustment weighted = AdjustHeights(builder.network);
        QVERIFY2(weighted.outcome.Succeeded(), qPrintable(weighted.outcome.detail));
        QCOMPARE(weighted.test.dof, 1);
        for (const AdjustedHeight& height : weighted.heights)
        {
            const QString name = builder.network.points[size_t(height.point)].name;
            const double expected = name == "A" ? 100.0 : name == "B" ? 100.998 : 102.996;
            QVERIFY2(std::abs(height.height - expected) < 1e-9, qPrintable(name));
            QCOMPARE(height.datum, name == "A" ? Datum::Weighted : Datum::Free);
            const double variance = name == "A" ? 0.005 * 0.005 : 0.005 * 0.005 + sigma * sigma * 2.0 / 3.0;
            QVERIFY2(std::abs(*height.sigma - std::sqrt(variance)) < 1e-9, qPrintable(name));
        }
    }

    // The free station above with C weighted instead of fixed (σC in N and in E): C becomes two
    // unknowns, tied to its known place by two pseudo-observations of weight 1/σC². The hand
    // linearisation is tests/core/reference/free_station_weighted.py (the five unknowns N_S,
    // E_S, ω, N_C, E_C; rows of the six readings, C's coefficients the station's turned round,
    // and the rows N_C = 900, E_C = 1950):
    //   σC → 0 (C fixed):  S moved −0.0324 mm, +0.0662 mm  σ 1.0224 / 0.7253 mm  (dof 3)
    //   σC = 5 mm:         S moved −2.4889 mm, +2.2039 mm  σ 1.6549 / 1.2963 mm  (dof 8 − 5 = 3)
    //                      C (899.9964302, 1950.0048239)   σ 2.6757 / 2.5985 mm
    //   σC → ∞ (C free, S from A and B alone, 4 readings on 3 unknowns):
    //                      S moved −3.9439 mm, +3.3706 mm  σ 1.9295 / 1.5127 mm
    // So a weight moves S between the two limits, and its very small or very large σ gives
    // each limit.
    void weightedKnownPoint()
    {
        const auto adjustWith = [](double sigma) {
            CNetworkBuilder builder = FreeStationWithC(
                [sigma](CNetworkBuilder& b) { b.Weighted(QStringLiteral("C"), 900.0, 1950.0, sigma); });
            const PlanAdjustment result = AdjustPlan(builder.network);
            if (!result.outcome.Succeeded())
                qFatal("%s", qPrintable(result.outcome.detail));
            return std::pair{builder.network, result};
        };
        struct Expected
        {
            double sigma, movedN, movedE, sigmaN, sigmaE;
        };
        for (const Expected& e : {Expected{1e-6, -0.0324, 0.0662, 1.0224, 0.7253},
                                  Expected{0.005, -2.4889, 2.2039, 1.6549, 1.2963},
                                  Expected{1e4, -3.9439, 3.3706, 1.9295, 1.5127}})
        {
            const auto [network, result] = adjustWith(e.sigma);
            const AdjustedPoint& s = PointNamed(network, result, QStringLiteral("S"));
            QVERIFY2(Near((s.north - 1000.0) * 1000.0, e.movedN, 0.002), qPrintable(QString::number(e.sigma)));
            QVERIFY2(Near((s.east - 2000.0) * 1000.0, e.movedE, 0.002), qPrintable(QString::number(e.sigma)));
            QVERIFY(Near(*s.sigmaNorth * 1000.0, e.sigmaN, 0.0002));
            QVERIFY(Near(*s.sigmaEast * 1000.0, e.sigmaE, 0.0002));
            QCOMPARE(result.test.dof, 3);
            const AdjustedPoint& c = PointNamed(network, result, QStringLiteral("C"));
            QCOMPARE(c.datum, Datum::Weighted);
            QVERIFY(c.sigmaNorth && c.ellipse); // a weighted point is an unknown with its σ
        }
        const auto [network, result] = adjustWith(0.005);
        const AdjustedPoint& c = PointNamed(network, result, QStringLiteral("C"));
        QVERIFY(Near(c.north, 899.9964302, 2e-6) && Near(c.east, 1950.0048239, 2e-6));
        QVERIFY(Near(*c.sigmaNorth * 1000.0, 2.6757, 0.0002) && Near(*c.sigmaEast * 1000.0, 2.5985, 0.0002));

        // A weight of σ 0 would be infinite: the point is held fixed, as with Datum::Fixed.
        const auto [heldNetwork, held] = adjustWith(0.0);
        QCOMPARE(PointNamed(heldNetwork, held, QStringLiteral("C")).datum, Datum::Fixed);
        QVERIFY(Near(PointNamed(heldNetwork, held, QStringLiteral("S")).north, 1000.0 - 0.0000324, 2e-6));

        // Weights make a datum as fixed points do, and their absence is still named: C alone
        // weighted (A and B only approximate) leaves the orientation free, nothing known at
        // all leaves everything free.
        CNetworkBuilder alone;
        alone.Approximate("A", 1100.0, 2000.0).Approximate("B", 1000.0, 2150.0).Weighted("C", 900.0, 1950.0, 0.005);
        alone.Setup("S").Observe("A", 0.0, 100.0).Observe("B", Degrees(90.0), 150.0).Observe("C", 3.6, 111.8);
        QCOMPARE(AdjustPlan(alone.network).outcome.detail, AdjustmentTexts::NoFixedOrientation.Text());
        alone.network.points[size_t(alone.Index("C"))].plan = Datum::Free;
        QCOMPARE(AdjustPlan(alone.network).outcome.detail, AdjustmentTexts::NoFixedPoint.Text());
    }

    // A setup's own a priori values replace the instrument's for its observations only. Doubling
    // every σ of the free station (4″, 4 mm + 4 ppm) divides each weight by 4: N = AᵀPA / 4, so
    // x = N⁻¹AᵀPl is unchanged, Q = N⁻¹ is 4 times larger (σ twice: 2 × 1.0224 = 2.0448 mm,
    // 2 × 0.7253 = 1.4506 mm) and vᵀPv is a quarter (σ0 = 1.834 / 2 = 0.917).
    void ownValuesOfASetup()
    {
        CNetworkBuilder builder = FreeStationWithC([](CNetworkBuilder& b) { b.Fixed("C", 900.0, 1950.0); });
        builder.network.setups[0].sigmas = Sigmas{4.0, 4.0, 4.0, 0.0, 1.0};
        PlanAdjustment result = AdjustPlan(builder.network);
        QVERIFY(result.outcome.Succeeded());
        const AdjustedPoint& s = PointNamed(builder.network, result, "S");
        QVERIFY(Near(s.north, 1000.0 - 0.0000324, 2e-6) && Near(s.east, 2000.0 + 0.0000662, 2e-6));
        QVERIFY(Near(*s.sigmaNorth * 1000.0, 2.0448, 0.0002) && Near(*s.sigmaEast * 1000.0, 1.4506, 0.0002));
        QVERIFY(Near(*result.test.sigma0, 0.917, 0.001));

        // The instrument's values do not reach a setup that has its own: the instrument at 4″
        // and the setup at 2″, 2 mm + 2 ppm gives the hand-worked case itself.
        builder.network.sigmas = Sigmas{4.0, 4.0, 4.0, 0.0, 1.0};
        builder.network.setups[0].sigmas = Sigmas{};
        result = AdjustPlan(builder.network);
        QVERIFY(Near(*PointNamed(builder.network, result, "S").sigmaNorth * 1000.0, 1.0224, 0.0002));
        QVERIFY(Near(*result.test.sigma0, 1.834, 0.001));

        // The options a user sets: a station's empty values are the instrument's; a value is
        // refused where it cannot weigh (σ direction 0, a + b = 0, a weight of 0, a negative
        // centring) and so is a station or point named twice.
        AprioriOptions options;
        options.sigmas = Sigmas{3.0, 2.0, 2.0, 1.0, 1.0};
        options.stations << StationSigmas{"S1", 6.0, std::nullopt, 5.0, std::nullopt};
        const Sigmas s1 = options.SigmasAt("S1");
        QCOMPARE(s1, (Sigmas{6.0, 2.0, 5.0, 1.0, 1.0}));
        QCOMPARE(options.SigmasAt("S2"), options.sigmas);
        QVERIFY(CheckAprioriOptions(options).Succeeded());
        options.weights << KnownWeight{"K", 5.0, std::nullopt};
        QVERIFY(CheckAprioriOptions(options).Succeeded());
        QCOMPARE(options.WeightOf("K")->planMm, std::optional<double>(5.0));

        AprioriOptions refused = options;
        refused.stations[0].directionSeconds = 0.0;
        QCOMPARE(CheckAprioriOptions(refused).detail, AdjustmentTexts::StationSigmasRefused.Arg("S1"));
        refused = options;
        refused.stations << StationSigmas{"S2", std::nullopt, 0.0, 0.0, std::nullopt}; // a + b = 0
        QCOMPARE(CheckAprioriOptions(refused).status, Status::BadRow);
        refused = options;
        refused.sigmas.centringMm = -1.0;
        QCOMPARE(CheckAprioriOptions(refused).detail, AdjustmentTexts::InstrumentSigmasRefused.Text());
        refused = options;
        refused.weights[0].planMm = 0.0;
        QCOMPARE(CheckAprioriOptions(refused).detail, AdjustmentTexts::WeightRefused.Arg("K"));
        refused = options;
        refused.weights << KnownWeight{"K", std::nullopt, 3.0};
        QCOMPARE(CheckAprioriOptions(refused).detail, AdjustmentTexts::WeightTwice.Arg("K"));
        refused = options;
        refused.stations << options.stations[0];
        QCOMPARE(CheckAprioriOptions(refused).detail, AdjustmentTexts::StationTwice.Arg("S1"));
    }

    // Centring σc = 1 mm at both ends of every sight, in the case placed without redundancy
    // (S fixed, oriented on R 100 m away, P at 60° 200 m). A distance's variance gains 2σc²:
    // along the sight σ = √(2.4² + 2·1²) = √7.76 = 2.7857 mm. A direction's variance gains
    // 2σc²/D²: across the sight P moves by 200 m times the orientation's and P's direction's
    // errors, 200·√(σd² + 2σc²/100² + σd² + 2σc²/200²) with σd = 2″ = 9.69627e−6:
    // 200·√(1.880354e−10 + 2e−10 + 5e−11) = 200 · 2.092930e−5 = 4.18586 mm.
    void centringWeighsEverySight()
    {
        CNetworkBuilder builder;
        builder.Fixed("S", 500.0, 500.0).Fixed("R", 600.0, 500.0);
        builder.Setup("S").Observe("R", 0.0, std::nullopt).Observe("P", Degrees(60.0), 200.0);
        builder.network.sigmas.centringMm = 1.0;
        const PlanAdjustment result = AdjustPlan(builder.network);
        QVERIFY(result.outcome.Succeeded());
        const AdjustedPoint& p = PointNamed(builder.network, result, "P");
        QVERIFY(Near(p.ellipse->minor * 1000.0, 2.7857, 0.0001));
        QVERIFY(Near(p.ellipse->major * 1000.0, 4.18586, 0.0001));
        QVERIFY(Near(ResidualAt(builder.network, result, "S", "P", ObservationKind::Distance).sigma * 1000.0,
                     2.7857, 0.0001));
    }

    // A raised stop flag ends either adjustment as Cancelled with nothing else: no point, no
    // residual, no test; the same network without the flag adjusts.
    void stoppedAdjustmentGivesNothing()
    {
        CNetworkBuilder builder = BracedQuadrilateral();
        builder.FixedHeight("A", 10.0);
        builder.Setup("A").Observe("C", std::nullopt, std::nullopt, 1.0);
        const std::atomic<bool> stop{true};
        const PlanAdjustment stopped = AdjustPlan(builder.network, &stop);
        QCOMPARE(stopped.outcome.status, Status::Cancelled);
        QVERIFY(stopped.points.empty() && stopped.residuals.empty() && stopped.orientations.empty());
        QCOMPARE(stopped.test.dof, 0);
        const HeightAdjustment heights = AdjustHeights(builder.network, &stop);
        QCOMPARE(heights.outcome.status, Status::Cancelled);
        QVERIFY(heights.heights.empty());

        // Without the flag it adjusts, telling each iteration before its solution and then the
        // precision: the steps are 1 … iterations, then Precision once.
        const std::atomic<bool> going{false};
        std::vector<std::pair<AdjustmentStep, int>> steps;
        const PlanAdjustment done = AdjustPlan(builder.network, &going, [&steps](AdjustmentStep step, int iteration) {
            steps.emplace_back(step, iteration);
        });
        QVERIFY(done.outcome.Succeeded());
        QVERIFY(done.iterations >= 2); // C and D start from approximations, then a check step
        QCOMPARE(steps.size(), size_t(done.iterations + 1));
        for (int i = 0; i < done.iterations; ++i)
            QVERIFY(steps[size_t(i)] == std::pair(AdjustmentStep::Iterating, i + 1));
        QVERIFY(steps.back() == std::pair(AdjustmentStep::Precision, done.iterations));
        QVERIFY(AdjustHeights(builder.network, &going).outcome.Succeeded());

        // Stopped while it iterates (the flag raised during the first iteration): it ends at the
        // next look, before a second solution.
        std::atomic<bool> midway{false};
        int seen = 0;
        const PlanAdjustment cut = AdjustPlan(builder.network, &midway, [&](AdjustmentStep, int) {
            ++seen;
            midway = true;
        });
        QCOMPARE(cut.outcome.status, Status::Cancelled);
        QCOMPARE(seen, 1);
        QVERIFY(cut.points.empty());
    }

    // Table values of χ² (any statistics textbook) and the ellipse of a few covariances.
    void statistics()
    {
        QVERIFY(std::abs(ChiSquareQuantile(0.95, 1) - 3.841) < 0.001);
        QVERIFY(std::abs(ChiSquareQuantile(0.025, 10) - 3.247) < 0.001);
        QVERIFY(std::abs(ChiSquareQuantile(0.975, 10) - 20.483) < 0.001);
        QVERIFY(std::abs(ChiSquareQuantile(0.025, 100) - 74.222) < 0.001);
        QVERIFY(std::abs(ChiSquareQuantile(0.975, 100) - 129.561) < 0.001);
        QVERIFY(TestGlobally(10.0, 10).passed);
        QVERIFY(!TestGlobally(25.0, 10).passed);
        QVERIFY(!TestGlobally(2.0, 10).passed); // the a priori σ too pessimistic

        ErrorEllipse e = EllipseOf(4.0, 0.0, 1.0);
        QVERIFY(std::abs(e.major - 2.0) < 1e-12 && std::abs(e.minor - 1.0) < 1e-12 && std::abs(e.azimuth) < 1e-12);
        e = EllipseOf(1.0, 0.0, 4.0);
        QVERIFY(std::abs(e.azimuth - Degrees(90.0)) < 1e-12);
        // [[2.5 1.5] [1.5 2.5]]: eigenvalues 4 and 1, the major along N = E (azimuth 45°);
        // with −1.5 along N = −E (135°).
        e = EllipseOf(2.5, 1.5, 2.5);
        QVERIFY(std::abs(e.major - 2.0) < 1e-12 && std::abs(e.minor - 1.0) < 1e-12);
        QVERIFY(std::abs(e.azimuth - Degrees(45.0)) < 1e-12);
        QVERIFY(std::abs(EllipseOf(2.5, -1.5, 2.5).azimuth - Degrees(135.0)) < 1e-12);
    }
};

QTEST_GUILESS_MAIN(TestAdjustment)
#include "tst_adjustment.moc"
