#include "core/compute/angles.h"
#include "core/compute/polar.h"

#include <QTest>

#include <cmath>

namespace
{
Observation Pointing(const QString& target, double haDegrees, double vaDegrees, double sd,
                     std::optional<PointNEZ> instrument = std::nullopt)
{
    Observation observation;
    observation.target = target;
    observation.ha = Angles::FromDegrees(haDegrees);
    observation.va = Angles::FromDegrees(vaDegrees);
    observation.sd = sd;
    observation.ph = 1.3;
    observation.instrument = instrument;
    return observation;
}

// ST1 at N 1000, E 2000, Z 50, IH 1.5, oriented on BS1 1000 m due north (PA 0).
Setup BaseSetup()
{
    Setup setup;
    setup.station = QStringLiteral("ST1");
    setup.coordinates = PointNEZ{1000, 2000, 50};
    setup.ih = 1.5;
    Backsight backsight;
    backsight.name = QStringLiteral("BS1");
    backsight.coordinates = PointNEZ{2000, 2000, 50};
    backsight.azimuth = 0;
    setup.backsight = backsight;
    return setup;
}

bool Near(double a, double b, double within)
{
    return std::abs(a - b) <= within;
}
} // namespace

class TestPolar : public QObject
{
    Q_OBJECT

private slots:
    void pointFromPolarObservation()
    {
        // HA 45°, VA 90°, SD 123.456: HD = 123.456; ΔN = ΔE = 123.456·cos 45° = 87.2965;
        // Z = 50 + 1.5 + 0 − 1.3 = 50.200 (refraction off, so nothing more).
        // The instrument said 1087.296, 2087.296, 50.150: dN = dE = +0.5 mm, dZ = +50.0 mm.
        Setup setup = BaseSetup();
        setup.observations << Pointing("P1", 45, 90, 123.456, PointNEZ{1087.296, 2087.296, 50.150});
        PolarOptions options;
        options.refraction.reset();
        const PolarResult result = ComputePoints({setup}, {}, options);
        QCOMPARE(result.points.size(), 1);
        const ComputedPoint& p = result.points.at(0);
        const double leg = 123.456 * std::sqrt(0.5);
        QVERIFY(Near(p.n, 1000 + leg, 1e-9));
        QVERIFY(Near(p.e, 2000 + leg, 1e-9));
        QVERIFY(Near(*p.z, 50.2, 1e-9));
        QVERIFY(Near(*p.dnMm, (1000 + leg - 1087.296) * 1000, 1e-6));
        QVERIFY(Near(*p.dzMm, 50.0, 1e-6));
        QVERIFY(p.flagged); // 50 mm in height beyond the 10 mm tolerance
        QCOMPARE(result.flagged, 1);
        QCOMPARE(result.setups.at(0).omega, 0.0);
    }

    void stationCorrectedNorthMovesItsPoints()
    {
        // The station was set up 0.100 m south of where it stands: the known ST1 is N 1000.100.
        // BS1 stays due north of it (azimuth 0 = PA), so ω = 0 and every point moves by exactly
        // +0.100 N, nothing in E. A point the instrument placed at HA 30°, HD 200:
        // N = 1000.100 + 200·cos 30° = 1173.305081, E = 2000 + 200·sin 30° = 2100;
        // against the instrument's 1173.205081: dN = +100.0 mm, dE = 0, flagged.
        Setup setup = BaseSetup();
        const double n = 1000 + 200 * std::cos(Angles::FromDegrees(30));
        const double e = 2000 + 200 * std::sin(Angles::FromDegrees(30));
        setup.observations << Pointing("P1", 30, 90, 200, PointNEZ{n, e, 50.2});
        setup.observations << Pointing("P2", 250, 90, 75);
        const KnownPoint st1{QStringLiteral("ST1"), PointNEZ{1000.100, 2000, 50}, {}};
        const PolarResult result = ComputePoints({setup}, {st1});
        const SetupPlacement& placement = result.setups.at(0);
        QVERIFY(placement.stationCorrected);
        QVERIFY(!placement.backsightCorrected);
        QVERIFY(Near(placement.omega, 0, 1e-15));
        const ComputedPoint& p1 = result.points.at(0);
        QVERIFY(Near(p1.n, n + 0.100, 1e-9));
        QVERIFY(Near(p1.e, e, 1e-9));
        QVERIFY(Near(*p1.dnMm, 100.0, 1e-6));
        QVERIFY(Near(*p1.deMm, 0.0, 1e-6));
        QVERIFY(p1.flagged);
        // P2 (no instrument coordinates): N = 1000.100 + 75·cos 250°, E = 2000 + 75·sin 250°.
        const ComputedPoint& p2 = result.points.at(1);
        QVERIFY(Near(p2.n, 1000.100 + 75 * std::cos(Angles::FromDegrees(250)), 1e-9));
        QVERIFY(Near(p2.e, 2000 + 75 * std::sin(Angles::FromDegrees(250)), 1e-9));
        QVERIFY(!p2.dnMm.has_value());
        QVERIFY(!p2.flagged);
    }

    void backsightCorrectedRotatesThePoints()
    {
        // The known BS1 lies 1000 m from ST1 at azimuth 0°00'36" instead of due north:
        // N = 1000 + 1000·cos 36", E = 2000 + 1000·sin 36" (= 2000.174533).
        // ω = azimuth(ST1 → BS1) − PA = 0°00'36" − 0 = +36".
        // Every point turns by 36" about the station, its distance unchanged: a point at
        // HA 90°, HD 500 lands at azimuth 90°00'36": N = 1000 − 500·sin 36" = 999.912734,
        // E = 2000 + 500·cos 36" = 2499.999992.
        const double turn = Angles::FromSeconds(36);
        const KnownPoint bs1{QStringLiteral("BS1"),
                             PointNEZ{1000 + 1000 * std::cos(turn), 2000 + 1000 * std::sin(turn), 50}, {}};
        Setup setup = BaseSetup();
        setup.observations << Pointing("FAR", 90, 90, 500) << Pointing("NEAR", 200, 80, 20);
        const PolarResult result = ComputePoints({setup}, {bs1});
        const SetupPlacement& placement = result.setups.at(0);
        QVERIFY(placement.backsightCorrected);
        QVERIFY(Near(Angles::ToSeconds(placement.omega), 36.0, 1e-6));
        QVERIFY(Near(*placement.backsightDistance, 1000, 1e-6));
        const ComputedPoint& far = result.points.at(0);
        QVERIFY(Near(far.n, 999.912734, 1e-6));
        QVERIFY(Near(far.e, 2499.999992, 1e-6));
        for (const ComputedPoint& point : result.points)
        {
            const double azimuth = Angles::Azimuth(1000, 2000, point.n, point.e);
            const double ha = point.point == u"FAR" ? 90 : 200;
            QVERIFY(Near(Angles::ToSeconds(Angles::Signed(azimuth - Angles::FromDegrees(ha))), 36.0, 1e-6));
            QVERIFY(Near(std::hypot(point.n - 1000, point.e - 2000), point.hd, 1e-9));
        }
    }

    void curvatureAndRefractionAtOneKilometre()
    {
        // (1 − k)·HD² / 2R with k = 0.14, HD = 1000 m, R = 6 371 000 m:
        // 0.86 · 1 000 000 / 12 742 000 = 0.067493 m.
        QVERIFY(Near(CurvatureAndRefraction(1000, 0.14, 6371000), 0.0674933, 1e-7));
        // Curvature alone (k = 0): 1 000 000 / 12 742 000 = 0.078480 m.
        QVERIFY(Near(CurvatureAndRefraction(1000, 0, 6371000), 0.0784806, 1e-7));

        // A level sight of 1 km: Z = 50 + 1.5 − 1.3 + 0.067493 = 50.267493.
        Setup setup = BaseSetup();
        setup.observations << Pointing("P", 0, 90, 1000);
        QVERIFY(Near(*ComputePoints({setup}, {}).points.at(0).z, 50.267493, 1e-6));
        PolarOptions off;
        off.refraction.reset();
        QVERIFY(Near(*ComputePoints({setup}, {}, off).points.at(0).z, 50.2, 1e-9));
    }

    void scaleAndHeightCorrections()
    {
        // Scale 0.9996 on HD 1000 (VA 90°): N = 1000 + 999.6. A corrected IH 1.600 and PH 2.000
        // give Z = 50 + 1.6 − 2.0 = 49.600 (refraction off). Above horizon: VA 60°, SD 100 gives
        // HD = 86.6025 and a rise of SD·cos 60° = 50.
        Setup setup = BaseSetup();
        setup.observations << Pointing("P", 0, 90, 1000) << Pointing("Q", 0, 60, 100);
        PolarOptions options;
        options.refraction.reset();
        options.scale = 0.9996;
        options.instrumentHeights.insert(QStringLiteral("ST1"), 1.6);
        options.targetHeights.insert(QStringLiteral("P"), 2.0);
        const PolarResult result = ComputePoints({setup}, {}, options);
        QVERIFY(Near(result.points.at(0).n, 1999.6, 1e-9));
        QVERIFY(Near(*result.points.at(0).z, 49.6, 1e-9));
        QVERIFY(Near(result.points.at(1).n, 1000 + 100 * std::sqrt(3.0) / 2 * 0.9996, 1e-9));
        QVERIFY(Near(*result.points.at(1).z, 50 + 1.6 + 50 - 1.3, 1e-9));
    }

    void setupsWithoutStationOrDistancePlaceNothing()
    {
        Setup lost = BaseSetup();
        lost.coordinates.reset();
        lost.observations << Pointing("P", 0, 90, 10);
        Setup angles = BaseSetup();
        Observation angleOnly = Pointing("Q", 0, 90, 1);
        angleOnly.sd.reset();
        angles.observations << angleOnly;
        const PolarResult result = ComputePoints({lost, angles}, {});
        QCOMPARE(result.setups.size(), 2);
        QVERIFY(!result.setups.at(0).stationAt.has_value());
        QVERIFY(result.points.isEmpty());
    }

    void shiftedAndTurnedControlMovesPointsAlike()
    {
        // Invariant: the same setup on control shifted by (+250, −40) and turned by 30° about
        // the station gives every point shifted and turned alike, whatever the observations.
        Setup setup = BaseSetup();
        for (int i = 0; i < 12; ++i)
            setup.observations << Pointing(QStringLiteral("P%1").arg(i), i * 29.5, 85 + i, 10 + 37.3 * i);
        const PolarResult plain = ComputePoints({setup}, {});
        const double turn = Angles::FromDegrees(30);
        const auto moved = [&](double n, double e) {
            const double dn = n - 1000, de = e - 2000;
            return PointNEZ{1000 + 250 + dn * std::cos(turn) - de * std::sin(turn),
                            2000 - 40 + dn * std::sin(turn) + de * std::cos(turn), 50};
        };
        const QList<KnownPoint> known = {{QStringLiteral("ST1"), moved(1000, 2000), {}},
                                         {QStringLiteral("BS1"), moved(2000, 2000), {}}};
        const PolarResult turned = ComputePoints({setup}, known);
        QCOMPARE(turned.points.size(), plain.points.size());
        for (qsizetype i = 0; i < plain.points.size(); ++i)
        {
            const PointNEZ expected = moved(plain.points.at(i).n, plain.points.at(i).e);
            QVERIFY(Near(turned.points.at(i).n, expected.n, 1e-8));
            QVERIFY(Near(turned.points.at(i).e, expected.e, 1e-8));
            QVERIFY(Near(*turned.points.at(i).z, *plain.points.at(i).z, 1e-12));
        }
    }
};

QTEST_GUILESS_MAIN(TestPolar)
#include "tst_polar.moc"
