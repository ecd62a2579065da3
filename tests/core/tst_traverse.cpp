#include "core/compute/angles.h"
#include "core/compute/setup_reader.h"
#include "core/compute/traverse.h"

#include <QTest>

#include <cmath>

namespace
{
double Dms(int d, int m, double s)
{
    return d + m / 60.0 + s / 3600.0;
}

// A job built row by row the way the instrument stores it (740Meas, decimal degrees).
class Job
{
public:
    Job& Station(const QString& name)
    {
        Add(QStringLiteral("Station"), {name, {}, {}, {}, {}, {}, {}, {}, QStringLiteral("1.5")});
        return *this;
    }
    // VA 90°: the slope distance is the horizontal one. No distance: an angle pointing.
    Job& Point(const QString& target, double haDegrees, double sd = -1, double vaDegrees = 90)
    {
        const QString ha = QString::number(haDegrees, 'f', 10);
        const QString va = QString::number(vaDegrees, 'f', 10);
        if (sd < 0)
            Add(QStringLiteral("Angle"), {target, {}, {}, {}, {}, "1.5", {}, {}, {}, ha, va});
        else
            Add(QStringLiteral("Dist"), {target, {}, {}, {}, {}, "1.5", {}, {}, {}, ha, va, QString::number(sd, 'f', 9)});
        return *this;
    }
    QList<Setup> Setups() const { return ReadSetups(m_rows); }

private:
    void Add(const QString& kind, const QStringList& values)
    {
        m_rows << JobRowFromMeas(m_rows.size() + 1, QStringLiteral("T5(T8)_Meas_") + kind, values);
    }
    QList<JobRow> m_rows;
};

KnownPoint Known(const char* name, double n, double e)
{
    return {QString::fromLatin1(name), PointNEZ{n, e, std::nullopt}, {}};
}

double Seconds(double radians)
{
    return Angles::ToSeconds(radians);
}

bool Near(double a, double b, double within)
{
    return std::abs(a - b) <= within;
}

QStringList Route(const char* names)
{
    return QString::fromLatin1(names).split(QLatin1Char(','));
}
} // namespace

class TestTraverse : public QObject
{
    Q_OBJECT

private slots:
    void attachedTraverseOfFourStations()
    {
        // A(1100,1000) → B(1000,1000) → S1 → S2 → C(1150,1400) → D(1250,1400). Error-free, the
        // legs run B→S1 east 200, S1→S2 north 150, S2→C east 200, and the angles (clockwise from
        // the station behind to the one ahead) are 90°, 90°, 270°, 90°.
        // The readings carry errors of +10", −4", +8", +10" in those angles:
        //   B : A 0°, S1 90°00'10"            β1 = 90°00'10"
        //   S1: B 270°, S2 359°59'56"         β2 = 89°59'56"
        //   S2: S1 180°, C 90°00'08"          β3 = 270°00'08"
        //   C : S2 270°, D 0°00'10"           β4 = 90°00'10"
        // α(A→B) = 180°; carried: 180 + 180 + β1 → 90°00'10"; → 0°00'06"; → 90°00'14"; → 0°00'24".
        // α(C→D) = 0°, so fβ = +24"; n = 4; each angle corrected by −6".
        // Adjusted azimuths: B→S1 90°00'04", S1→S2 359°59'54", S2→C 89°59'56".
        // Distances: B–S1 (200.012 + 200.008)/2 = 200.010; S1–S2 (150.006 + 150.004)/2 = 150.005;
        // S2–C 199.997 measured from C only. ΣD = 550.012.
        // Increments (ΔN = D·cos α, ΔE = D·sin α):
        //   B→S1  −0.0038787  200.0100000
        //   S1→S2 150.0049999  −0.0043635
        //   S2→C   0.0038785  199.9970000
        // ΣΔN = 150.0049997 against 150: fx = +0.0049997; ΣΔE = 400.0026365 against 400:
        // fy = +0.0026365; f = 0.0056522; K = 550.012 / 0.0056522 = 1/97308.
        // Compass rule v = −f·D/ΣD: B→S1 (−0.0018181, −0.0009587), S1→S2 (−0.0013636, −0.0007190),
        // S2→C (−0.0018180, −0.0009587). Adjusted S1 = 999.9943032, 1200.0090412;
        // S2 = 1149.9979395, 1200.0039587; C comes out at 1150, 1400 exactly.
        const QList<Setup> setups = Job()
                                        .Station("B").Point("A", 0).Point("S1", Dms(90, 0, 10), 200.012)
                                        .Station("S1").Point("B", 270, 200.008).Point("S2", Dms(359, 59, 56), 150.006)
                                        .Station("S2").Point("S1", 180, 150.004).Point("C", Dms(90, 0, 8))
                                        .Station("C").Point("S2", 270, 199.997).Point("D", Dms(0, 0, 10))
                                        .Setups();
        const QList<KnownPoint> known = {Known("A", 1100, 1000), Known("B", 1000, 1000), Known("C", 1150, 1400),
                                         Known("D", 1250, 1400)};
        const TraverseResult result = ComputeTraverse(setups, known, Route("A,B,S1,S2,C,D"));
        QVERIFY2(result.outcome.Succeeded(), qPrintable(result.outcome.detail));
        QCOMPARE(result.shape, TraverseShape::Attached);
        QCOMPARE(result.angleCount, 4);
        QVERIFY(Near(Seconds(*result.angularMisclosure), 24.0, 1e-4));
        for (const TraverseAngle& angle : result.angles)
            QVERIFY(Near(Seconds(angle.correction), -6.0, 1e-4));
        QVERIFY(Near(Seconds(result.legs.at(1).azimuth), Seconds(Angles::TwoPi) - 6, 1e-4));
        QVERIFY(Near(result.legs.at(0).distance, 200.010, 1e-9));
        QVERIFY(Near(result.legs.at(1).distance, 150.005, 1e-9));
        QVERIFY(!result.legs.at(2).forwardHd.has_value());
        QVERIFY(Near(result.length, 550.012, 1e-9));
        QVERIFY(Near(result.fx, 0.0049997, 1e-7));
        QVERIFY(Near(result.fy, 0.0026365, 1e-7));
        QVERIFY(Near(result.f, 0.0056522, 1e-7));
        QVERIFY(Near(*result.relativeDenominator, 97308.8, 2));
        QCOMPARE(result.points.size(), 4);
        QCOMPARE(result.points.at(1).name, QStringLiteral("S1"));
        QVERIFY(Near(result.points.at(1).n, 999.9943032, 1e-6));
        QVERIFY(Near(result.points.at(1).e, 1200.0090412, 1e-6));
        QVERIFY(Near(result.points.at(2).n, 1149.9979395, 1e-6));
        QVERIFY(Near(result.points.at(2).e, 1200.0039587, 1e-6));
        QVERIFY(Near(result.points.at(3).n, 1150, 1e-9));
        QVERIFY(Near(result.points.at(3).e, 1400, 1e-9));

        // Grade one (一级: 10"√n, 1/15000): limit 10·√4 = 20" < 24": the angles fail it.
        // Grade two (二级: 16"√n, 1/10000): 32" and 1/97308 ≥ 1/10000: it passes.
        const GradeCheck one = CheckGrade(result, {QStringLiteral("一级"), 0, 10, 15000, 4});
        QVERIFY(Near(one.angleLimitSeconds, 20, 1e-9));
        QVERIFY(!one.angleMet);
        QVERIFY(one.relativeMet);
        QVERIFY(!one.Passed());
        QVERIFY(CheckGrade(result, {QStringLiteral("二级"), 0, 16, 10000, 2.4}).Passed());
        // A limit on the number of stations (4 here: B, S1, S2, C) and on the length.
        QVERIFY(!CheckGrade(result, {QStringLiteral("x"), 3, 16, 10000, 0}).stationsMet);
        QVERIFY(!CheckGrade(result, {QStringLiteral("x"), 0, 16, 10000, 0.5}).lengthMet);
    }

    void closedLoopOfFiveStations()
    {
        // Loop B(1000,1000) → S1(1000,1300) → S2(1200,1300) → S3(1200,1100) → S4(1100,1000) → B,
        // oriented on A(900,1000) due south of B (α A→B = 0°). Interior angles error-free:
        // S1 90°, S2 90°, S3 135°, S4 135°, B 90° (sum 540° = (5 − 2)·180°); the connecting angle
        // at B from A to S1 is 270° and is read without error.
        // Errors in the loop's angles: S1 +5", S2 −3", S3 +7", S4 +4", B +2": fβ = +15", n = 5,
        // each corrected by −3". With the readings:
        //   B : A 180°, S1 90° (300.006), S4 359°59'58"   connecting 270°, loop angle 90°00'02"
        //   S1: B 270°, S2 0°00'05" (both faces: 0°00'11" and 179°59'59", 2C +12")
        //   S2: S1 180° (200.000), S3 269°59'57" (199.995)
        //   S3: S2 90°, S4 225°00'07" (141.425)
        //   S4: S3 45°, B 180°00'04" (100.003)
        // α(B→S1) = 0 + 180 + 270 = 90°; carried round the loop back to B→S1: 90°00'15": fβ = +15".
        // Adjusted azimuths: 90°, 0°00'02", 269°59'56", 225°, 180°00'01".
        // Distances: 300.006, (200.004 + 200.000)/2 = 200.002, 199.995, 141.425, 100.003; ΣD = 941.431.
        // Increments:
        //   B→S1     0.0000000  300.0060000
        //   S1→S2  200.0020000    0.0019393
        //   S2→S3   −0.0038784 −199.9950000
        //   S3→S4 −100.0025765 −100.0025765
        //   S4→B  −100.0030000   −0.0004848
        // fx = ΣΔN = −0.0074550, fy = ΣΔE = +0.0098780, f = 0.0123754, K = 941.431/0.0123754 = 1/76072.
        // Compass rule, adjusted: S1 1000.0023757 1300.0028522; S2 1200.0059594 1300.0026929;
        // S3 1200.0036647 1100.0055945; S4 1100.0022081 1000.0015341; back at B exactly.
        const QList<Setup> setups = Job()
                                        .Station("B").Point("A", 180).Point("S1", 90, 300.006).Point("S4", Dms(359, 59, 58))
                                        .Station("S1").Point("B", 270)
                                        .Point("S2", Dms(0, 0, 11), 200.004).Point("S2", Dms(179, 59, 59), 200.004, 270)
                                        .Station("S2").Point("S1", 180, 200.000).Point("S3", Dms(269, 59, 57), 199.995)
                                        .Station("S3").Point("S2", 90).Point("S4", Dms(225, 0, 7), 141.425)
                                        .Station("S4").Point("S3", 45).Point("B", Dms(180, 0, 4), 100.003)
                                        .Setups();
        const QList<KnownPoint> known = {Known("A", 900, 1000), Known("B", 1000, 1000)};
        const TraverseResult result = ComputeTraverse(setups, known, Route("A,B,S1,S2,S3,S4,B,A"));
        QVERIFY2(result.outcome.Succeeded(), qPrintable(result.outcome.detail));
        QCOMPARE(result.shape, TraverseShape::Closed);
        QCOMPARE(result.angleCount, 5);
        QCOMPARE(result.angles.size(), 6);
        QCOMPARE(result.angles.at(1).faces, 2);
        QVERIFY(Near(Seconds(result.angles.at(0).correction), 0, 1e-9));
        QVERIFY(Near(Seconds(result.angles.at(5).observed), 90 * 3600.0 + 2, 1e-4));
        QVERIFY(Near(Seconds(*result.angularMisclosure), 15.0, 1e-4));
        QVERIFY(Near(Seconds(result.angles.at(3).correction), -3.0, 1e-4));
        QVERIFY(Near(result.length, 941.431, 1e-9));
        QVERIFY(Near(result.fx, -0.0074550, 1e-7));
        QVERIFY(Near(result.fy, 0.0098780, 1e-7));
        QVERIFY(Near(result.f, 0.0123754, 1e-7));
        QVERIFY(Near(*result.relativeDenominator, 76072.8, 2));
        QCOMPARE(result.points.size(), 5);
        const double expected[][2] = {{1000, 1000},
                                      {1000.0023757, 1300.0028522},
                                      {1200.0059594, 1300.0026929},
                                      {1200.0036647, 1100.0055945},
                                      {1100.0022081, 1000.0015341}};
        for (int i = 0; i < 5; ++i)
        {
            QVERIFY(Near(result.points.at(i).n, expected[i][0], 1e-6));
            QVERIFY(Near(result.points.at(i).e, expected[i][1], 1e-6));
        }
    }

    void openTraverseIsUnchecked()
    {
        // A(900,1000) → B(1000,1000) → S1 → S2 with no known end: coordinates by the observed
        // angles alone. At B: A 180°, S1 90° → β 270°, α(B→S1) = 0 + 180 + 270 = 90°, S1 = (1000, 1100).
        // At S1: B 270°, S2 0° → β 90°, α(S1→S2) = 0°, S2 = (1050, 1100).
        const QList<Setup> setups = Job()
                                        .Station("B").Point("A", 180).Point("S1", 90, 100)
                                        .Station("S1").Point("B", 270).Point("S2", 0, 50)
                                        .Setups();
        const TraverseResult result =
            ComputeTraverse(setups, {Known("A", 900, 1000), Known("B", 1000, 1000)}, Route("A,B,S1,S2"));
        QVERIFY(result.outcome.Succeeded());
        QCOMPARE(result.shape, TraverseShape::Open);
        QVERIFY(!result.angularMisclosure.has_value());
        QVERIFY(!result.relativeDenominator.has_value());
        QCOMPARE(result.points.size(), 3);
        QVERIFY(Near(result.points.at(2).n, 1050, 1e-9));
        QVERIFY(Near(result.points.at(2).e, 1100, 1e-9));
        QVERIFY(!CheckGrade(result, {QStringLiteral("图根"), 0, 40, 2000, 0}).Passed());
    }

    void errorFreeTraverseClosesExactly()
    {
        // Invariant: readings without error give fβ = 0, f = 0 and the true coordinates, whatever
        // the stations are named or turned: the loop of the closed case, turned by 30° and shifted.
        const double turn = Angles::FromDegrees(30);
        const auto place = [&](double n, double e) {
            return PointNEZ{5000 + n * std::cos(turn) - e * std::sin(turn), 7000 + n * std::sin(turn) + e * std::cos(turn), std::nullopt};
        };
        const QList<std::pair<QString, PointNEZ>> loop = {{"B", place(0, 0)},     {"X1", place(0, 300)},
                                                         {"X2", place(200, 300)}, {"X3", place(200, 100)},
                                                         {"X4", place(100, 0)}};
        const PointNEZ a = place(-100, 0);
        Job job;
        for (qsizetype i = 0; i < loop.size(); ++i)
        {
            const auto& [name, at] = loop.at(i);
            const auto& [backName, back] = i == 0 ? std::pair<QString, PointNEZ>{"A", a} : loop.at(i - 1);
            const auto& [aheadName, ahead] = loop.at((i + 1) % loop.size());
            const auto reading = [&](const PointNEZ& to) { return Angles::ToDegrees(Angles::Azimuth(at.n, at.e, to.n, to.e)); };
            job.Station(name).Point(backName, reading(back)).Point(aheadName, reading(ahead), std::hypot(ahead.n - at.n, ahead.e - at.e));
            if (i == 0)
                job.Point(loop.last().first, reading(loop.last().second));
        }
        const TraverseResult result = ComputeTraverse(job.Setups(), {{"A", a, {}}, {"B", loop.at(0).second, {}}},
                                                      Route("A,B,X1,X2,X3,X4,B,A"));
        QVERIFY2(result.outcome.Succeeded(), qPrintable(result.outcome.detail));
        QVERIFY(Near(Seconds(*result.angularMisclosure), 0, 1e-6));
        QVERIFY(Near(result.f, 0, 1e-7));
        for (qsizetype i = 0; i < loop.size(); ++i)
        {
            QVERIFY(Near(result.points.at(i).n, loop.at(i).second.n, 1e-8));
            QVERIFY(Near(result.points.at(i).e, loop.at(i).second.e, 1e-8));
        }
    }

    void missingPiecesAreSaid()
    {
        const QList<Setup> setups = Job().Station("B").Point("A", 0).Point("S1", 90, 100).Setups();
        const QList<KnownPoint> known = {Known("A", 1100, 1000), Known("B", 1000, 1000)};
        // C is no known point: the route is open, and S1 has no setup pointing back and ahead.
        TraverseResult result = ComputeTraverse(setups, known, Route("A,B,S1,C"));
        QCOMPARE(result.outcome.status, Status::CannotCompute);
        QVERIFY(result.outcome.detail.contains(QStringLiteral("S1")));
        result = ComputeTraverse(setups, known, Route("Q,B,S1"));
        QCOMPARE(result.outcome.status, Status::CannotCompute);
        QVERIFY(result.outcome.detail.contains(QStringLiteral("Q")));
        result = ComputeTraverse(setups, known, Route("A,B"));
        QCOMPARE(result.outcome.status, Status::CannotCompute);
        // A leg without any distance.
        const QList<Setup> angleOnly = Job().Station("B").Point("A", 0).Point("S1", 90).Setups();
        result = ComputeTraverse(angleOnly, known, Route("A,B,S1"));
        QCOMPARE(result.outcome.status, Status::CannotCompute);
    }
};

QTEST_GUILESS_MAIN(TestTraverse)
#include "tst_traverse.moc"
