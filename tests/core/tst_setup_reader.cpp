#include "core/compute/angles.h"
#include "core/compute/setup_reader.h"

#include <QTest>

namespace
{
const QString Prefix = QStringLiteral("T5(T8)_Meas_");

// A 740Meas row by kind and the value columns that matter; angles in decimal degrees.
// Values in table order: SN NCOOR ECOOR ZCOOR CODE PH PA HD IH HA VA SD; missing ones are empty.
struct Row
{
    QString kind;
    QStringList values;

    QString& operator[](int column)
    {
        while (values.size() <= column)
            values << QString();
        return values[column];
    }
};
enum { SN, NCOOR, ECOOR, ZCOOR, CODE, PH, PA, HD, IH, HA, VA, SD };

QList<JobRow> RowsOf(const QList<Row>& rows)
{
    QList<JobRow> result;
    qint64 id = 0;
    for (const Row& row : rows)
        result << JobRowFromMeas(++id, Prefix + row.kind, row.values);
    return result;
}

Row Station(const QString& name, const QString& ih = QStringLiteral("1.500"))
{
    return {QStringLiteral("Station"), {name, "1000.000", "2000.000", "50.000", {}, {}, {}, {}, ih}};
}

Row Pointing(const QString& target, double ha, double va, const QString& sd = {})
{
    Row row{sd.isEmpty() ? QStringLiteral("Angle") : QStringLiteral("Dist"), {target}};
    row[HA] = QString::number(ha, 'f', 10);
    row[VA] = QString::number(va, 'f', 10);
    row[PH] = QStringLiteral("1.500");
    row[SD] = sd;
    return row;
}

double Dms(int d, int m, double s)
{
    return d + m / 60.0 + s / 3600.0;
}

double Seconds(double radians)
{
    return Angles::ToSeconds(radians);
}
} // namespace

class TestSetupReader : public QObject
{
    Q_OBJECT

private slots:
    void rowsBecomeSetups()
    {
        const QList<Setup> setups = ReadSetups(RowsOf({
            {QStringLiteral("Input-Coor"), {"CP1", "1.0", "2.0", "3.0"}}, // before any station: no setup
            Station("ST1", "1.650"),
            {QStringLiteral("Backsight Angle"), {"BS1", "1100.000", "2000.000", "50.000", {}, "1.500", "0.0000", "100.000"}},
            Pointing("P1", 45, 90, "123.456"),
            {QStringLiteral("Measure-Coor"), {"P1", "1087.296", "2087.296", "50.150", "TREE", "1.500"}},
            Pointing("P2", 120, 88.5),
            {QStringLiteral("Measure-Coor"), {"P2", "1.0", "2.0", "3.0"}}, // after an angle: belongs to nothing
            {QStringLiteral("Note"), {"x"}},
            Station("ST2"),
            {QStringLiteral("Backsight-Coor"), {"ST1", "1000.000", "2000.000", "50.000", {}, "1.500", "180.0000"}},
            Pointing("P3", 10, 90, "5.000"),
        }));
        QCOMPARE(setups.size(), 2);
        const Setup& first = setups.at(0);
        QCOMPARE(first.station, QStringLiteral("ST1"));
        QCOMPARE(first.row, 2);
        QVERIFY(first.coordinates.has_value());
        QCOMPARE(first.coordinates->n, 1000.0);
        QCOMPARE(first.ih, 1.65);
        QVERIFY(first.backsight.has_value());
        QCOMPARE(first.backsight->name, QStringLiteral("BS1"));
        QVERIFY(first.backsight->byAngle);
        QCOMPARE(*first.backsight->hd, 100.0);
        QCOMPARE(first.observations.size(), 2);
        const Observation& p1 = first.observations.at(0);
        QCOMPARE(p1.target, QStringLiteral("P1"));
        QCOMPARE(*p1.sd, 123.456);
        QVERIFY(qFuzzyCompare(p1.ha, Angles::Pi / 4));
        QVERIFY(qFuzzyCompare(p1.va, Angles::Pi / 2));
        QVERIFY(p1.instrument.has_value());
        QCOMPARE(p1.instrument->n, 1087.296);
        QCOMPARE(*p1.instrument->z, 50.15);
        QVERIFY(!first.observations.at(1).sd.has_value());
        QVERIFY(!first.observations.at(1).instrument.has_value());

        const Setup& second = setups.at(1);
        QVERIFY(!second.backsight->byAngle);
        QVERIFY(qFuzzyCompare(second.backsight->azimuth, Angles::Pi));

        // The job's own control: both stations and the one backsight with coordinates.
        const QList<KnownPoint> control = ControlOfJob(setups);
        QCOMPARE(control.size(), 3);
        QCOMPARE(control.at(1).name, QStringLiteral("BS1"));
    }

    void bothFacesAreMeaned()
    {
        // Face left  HA 30°00'06"  VA 84°59'54"
        // Face right HA 209°59'54" VA 274°59'54"
        // 2C    = L − (R − 180°) = 30°00'06" − 29°59'54" = +12"
        // index = (L + R − 360°) / 2 = (359°59'48" − 360°) / 2 = −6"
        // mean direction = L − 2C/2 = 30°00'00"; mean zenith = L − index = 85°00'00"
        // SD is the mean of both faces: (100.004 + 100.002) / 2 = 100.003.
        const QList<Setup> setups = ReadSetups(RowsOf({
            Station("ST1"),
            Pointing("T", Dms(30, 0, 6), Dms(84, 59, 54), "100.004"),
            Pointing("T", Dms(209, 59, 54), Dms(274, 59, 54), "100.002"),
        }));
        const Setup& setup = setups.at(0);
        QCOMPARE(setup.pairs.size(), 1);
        const FacePair& pair = setup.pairs.at(0);
        QCOMPARE(pair.leftRow, 2);
        QCOMPARE(pair.rightRow, 3);
        QVERIFY(std::abs(pair.c2Seconds - 12) < 1e-6);
        QVERIFY(std::abs(pair.indexSeconds - (-6)) < 1e-6);
        QCOMPARE(setup.observations.size(), 1);
        const Observation& mean = setup.observations.at(0);
        QCOMPARE(mean.faces, 2);
        QVERIFY(std::abs(Seconds(mean.ha) - 30 * 3600.0) < 1e-6);
        QVERIFY(std::abs(Seconds(mean.va) - 85 * 3600.0) < 1e-6);
        QVERIFY(std::abs(*mean.sd - 100.003) < 1e-9);
    }

    void pairsAcrossNorth()
    {
        // L 359°59'54", R 180°00'06": 2C = 359°59'54" − 0°00'06" = −12" (taken the short way);
        // mean = L + 6" = 360° = 0°.
        const QList<Setup> setups = ReadSetups(RowsOf({
            Station("ST1"),
            Pointing("T", Dms(359, 59, 54), 90),
            Pointing("T", Dms(180, 0, 6), 270),
        }));
        const FacePair& pair = setups.at(0).pairs.at(0);
        QVERIFY(std::abs(pair.c2Seconds + 12) < 1e-6);
        const double ha = setups.at(0).observations.at(0).ha;
        QVERIFY(std::abs(Angles::Signed(ha)) < 1e-12);
    }

    void roundsPairNearestFaces()
    {
        // Two rounds on one target: each face-right pointing pairs with the face-left one just
        // before it, so the second round's 2C (+20") is not mixed with the first (+12").
        const QList<Setup> setups = ReadSetups(RowsOf({
            Station("ST1"),
            Pointing("T", Dms(30, 0, 6), 90),
            Pointing("T", Dms(209, 59, 54), 270),
            Pointing("T", Dms(30, 0, 10), 90),
            Pointing("T", Dms(209, 59, 50), 270),
        }));
        const QList<FacePair>& pairs = setups.at(0).pairs;
        QCOMPARE(pairs.size(), 2);
        QCOMPARE(pairs.at(0).leftRow, 2);
        QCOMPARE(pairs.at(0).rightRow, 3);
        QVERIFY(std::abs(pairs.at(0).c2Seconds - 12) < 1e-6);
        QVERIFY(std::abs(pairs.at(1).c2Seconds - 20) < 1e-6);
        QCOMPARE(setups.at(0).observations.size(), 2);
    }

    void loneOrDistantFacesStandAlone()
    {
        // 200° is 20° away from the opposite of 0°: no pair. Each stays an observation, the
        // face-right one turned to face left (HA − 180°, 360° − VA).
        const QList<Setup> setups = ReadSetups(RowsOf({
            Station("ST1"),
            Pointing("T", 0, 90),
            Pointing("T", 200, Dms(271, 0, 0)),
            Pointing("U", 0, 90),
            Pointing("U", 180, Dms(272, 0, 0)), // VA sum 2° beyond 360°: no pair either
        }));
        const Setup& setup = setups.at(0);
        QVERIFY(setup.pairs.isEmpty());
        QCOMPARE(setup.observations.size(), 4);
        QVERIFY(std::abs(Seconds(setup.observations.at(1).ha) - 20 * 3600.0) < 1e-6);
        QVERIFY(std::abs(Seconds(setup.observations.at(1).va) - 89 * 3600.0) < 1e-6);
        QCOMPARE(setup.observations.at(1).faces, 1);
    }

    void unreadableRowsAreSkipped()
    {
        // A pointing without a number for its angles gives nothing to compute with; the setup
        // still stands with the other pointing.
        Row broken = Pointing("X", 0, 90);
        broken[HA] = QStringLiteral("abc");
        const QList<Setup> setups = ReadSetups(RowsOf({Station("ST1"), broken, Pointing("Y", 0, 90)}));
        QCOMPARE(setups.at(0).observations.size(), 1);
        QCOMPARE(setups.at(0).observations.at(0).target, QStringLiteral("Y"));
    }
};

QTEST_GUILESS_MAIN(TestSetupReader)
#include "tst_setup_reader.moc"
