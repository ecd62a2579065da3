#include "core/files/meas_export.h"

#include <QTest>

#include <cmath>

namespace
{
// A list row from its cells joined by '|'.
QStringList Row(const QString& cells)
{
    return cells.split(QLatin1Char('|'));
}

// A 740Meas job list. Cells: ID|ATTR|SN|N|E|Z|CODE|PH|PA|HD|IH|HA|VA|SD|NOTES
QList<QStringList> MeasJob()
{
    return {
        Row("1|T5(T8)_Meas_Dist|P0|||| C0|1.5|||| 90.5|90 | 100 |"),
        Row("2|T5(T8)_Meas_Measure-Coor|P0|10|20|30|||||||||"),
        Row("3|T5(T8)_Meas_Station|ST1|1000|2000|50||||| 1.600 ||||"),
        Row("4|T5(T8)_Meas_Backsight-Coor|BS|1100|2100|51|||||||||"),
        Row("5|T5(T8)_Meas_Dist|P1||||TREE|1.8||||45.999999|60|200|"),
        Row("6|T5(T8)_Meas_Measure-Coor|P1|1173.2051|2000.0|150|||||||||"),
        Row("7|T5(T8)_Meas_Dist|P2||||X|1.8||||10|80|50|"),
        Row("8|T5(T8)_Meas_Angle|P3||||X|1.8||||10|80||"),
        Row("9|T5(T8)_Meas_Station|ST2|1|2|3|||||1.7||||"),
    };
}

// A 520Meas list: ID|ATTR|MARK|DATA1|…|DATA20 (DATAn is cell n + 2).
QStringList V2Row(const QString& mark, const QMap<int, QString>& data)
{
    QStringList row{"1", "T8_V2_Meas", mark};
    for (int n = 1; n <= 20; ++n)
        row << data.value(n);
    return row;
}
} // namespace

// The measurement exports, lines worked out by hand from the layouts.
class TestMeasExport : public QObject
{
    Q_OBJECT

private slots:
    void degreesToDms_data()
    {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<QString>("rounded");
        QTest::addColumn<QString>("truncated");
        QTest::newRow("half degree") << 12.5 << "12.3000" << "12.3000";
        QTest::newRow("carries into degrees") << 359.99999 << "360.0000" << "359.5959";
        QTest::newRow("carries into minutes") << 0.0166 << "0.0100" << "0.0059";
        QTest::newRow("ninety and a half") << 90.5 << "90.3000" << "90.3000";
        QTest::newRow("almost 46") << 45.999999 << "46.0000" << "45.5959";
        // 154 half-seconds are 0°01′17″; 154/7200 in floating point lies a hair below that.
        QTest::newRow("whole seconds from half-seconds") << 154 * 0.0001388888888888889 << "0.0117" << "0.0117";
        QTest::newRow("negative keeps its sign in front") << -12.5 << "-12.3000" << "-12.3000";
        QTest::newRow("tiny negative is zero") << -0.00001 << "0.0000" << "0.0000";
    }

    void degreesToDms()
    {
        QFETCH(double, degrees);
        QFETCH(QString, rounded);
        QFETCH(QString, truncated);
        QCOMPARE(DegreesToDmsRounded(degrees), rounded);
        QCOMPARE(DegreesToDmsTruncated(degrees), truncated);
    }

    void computedNumbers()
    {
        QCOMPARE(FormatComputed(3.14159), QStringLiteral("3.1416"));
        QCOMPARE(FormatComputed(-0.00004), QStringLiteral("0.0000")); // never "-0.0000"
        QCOMPARE(FormatComputed(-0.00005001), QStringLiteral("-0.0001"));
        QCOMPARE(FormatComputed(std::sqrt(-1.0)), QString()); // never "nan" or "-nan"
    }

    void shortLayouts()
    {
        // Cells: ID|ATTR|SN|N|E|Z|CODE|PH|PA|HD|IH|HA|VA|SD|NOTES
        const QList<QStringList> rows{Row("1|T5(T8)_Meas_Dist|P1||||TREE|1.5|| 4 ||10.5|80.25| 5 |"),
                                      Row("2|T5(T8)_Meas_Dist|P2||||X|1.5||6||10.5|80.25|5|"),
                                      Row("3|T5(T8)_Meas_Note|||||||||||||x")};
        QCOMPARE(ShortMeasLines(ShortMeasLayout::Angle, rows),
                 (QStringList{"P1,TREE,80.25,10.5,1.5", "P2,X,80.25,10.5,1.5", ",,,,"}));
        // √(5² − 4²) = 3; a distance longer than the slope distance leaves the field empty.
        QCOMPARE(ShortMeasLines(ShortMeasLayout::Hd, rows),
                 (QStringList{"P1,10.5,4,3.0000,1.5", "P2,10.5,6,,1.5", ",,,0.0000,"}));
        QCOMPARE(ShortMeasLines(ShortMeasLayout::Sd, rows),
                 (QStringList{"P1,10.5,80.25, 5 ,1.5", "P2,10.5,80.25,5,1.5", ",,,,"}));
    }

    void fullMeasWalk()
    {
        // P0 comes before any station: empty instrument height. VA 90, SD 100: HD 100, VD ~2.7e-6.
        // The station line takes the coordinates of the row after it.
        // P1: VA 60 with π as 3.1415926 gives HD 173.205079, VD 100.000003.
        // P2 is followed by an angle, not its coordinates: no line; the last station writes nothing.
        QCOMPARE(FullMeasLines(MeasJob(), CoordinateOrder::EastNorth, AngleStyle::Dms),
                 (QStringList{"PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE",
                              "P0,20,10,30,,1.5,90.3000,90.0000,100,100.0000,0.0000, C0",
                              "ST1,2100,1100,51,1.600",
                              "P1,2000.0,1173.2051,150,1.600,1.8,46.0000,60.0000,200,173.2051,100.0000,TREE"}));
        QCOMPARE(FullMeasLines(MeasJob(), CoordinateOrder::NorthEast, AngleStyle::Degrees),
                 (QStringList{"PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE",
                              "P0,10,20,30,,1.5, 90.5,90,100,100.0000,0.0000, C0",
                              "ST1,1100,2100,51,1.600",
                              "P1,1173.2051,2000.0,150,1.600,1.8,45.999999,60,200,173.2051,100.0000,TREE"}));
        QCOMPARE(FullMeasLines({}, CoordinateOrder::EastNorth, AngleStyle::Dms),
                 QStringList{"PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE"});
    }

    void fullV2Meas()
    {
        const QList<QStringList> rows{
            V2Row("Angle,Dist Measurement", {{1, "P0"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}}),
            V2Row("Free Station", {{1, "ST"}, {2, "1000"}, {3, "2000"}, {4, "50"}, {5, " 1.5 "}}),
            V2Row("Stake Point", {{1, "SP"}, {3, "10"}, {4, "20"}, {5, "30"}, {6, "Dist"}}),
            // 648000 and 324000 half seconds are 90 and 45 degrees; √(5² − 3²) = 4.
            V2Row("Angle,Dist Measurement", {{1, "P1"}, {2, "648000"}, {3, "324000"}, {4, " 3"}, {5, "5 "},
                                             {7, "1.2"}, {8, "100"}, {9, "200"}, {10, "10"}, {19, "TREE"}}),
            // A horizontal distance longer than the slope distance: no vertical distance.
            // A tiny negative angle is zero, whatever the style.
            V2Row("Angle,Dist Measurement", {{1, "P2"}, {2, "-0.1"}, {3, "12.5"}, {4, "6"}, {5, "5"}}),
            V2Row("Code", {{1, "X"}}),
        };
        QCOMPARE(FullV2MeasLines(rows, CoordinateOrder::EastNorth, AngleStyle::Dms),
                 (QStringList{"PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE",
                              "P0,,,,,,0.0000,0.0000,0,0,0.0000,",
                              "ST,2000,1000,50,1.5",
                              "SP,20,10,30",
                              "P1,200,100,10,1.5,1.2,90.0000,45.0000,5,3,4.0000,TREE",
                              "P2,,,,1.5,,0.0000,0.0006,5,6,,"}));
        QCOMPARE(FullV2MeasLines(rows.mid(1), CoordinateOrder::NorthEast, AngleStyle::Degrees),
                 (QStringList{"PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE",
                              "ST,1000,2000,50,1.5",
                              "SP,10,20,30",
                              "P1,100,200,10,1.5,1.2,90.0000,45.0000,5,3,4.0000,TREE",
                              "P2,,,,1.5,,0.0000,0.0017,5,6,,"}));
    }
};

QTEST_APPLESS_MAIN(TestMeasExport)
#include "tst_meas_export.moc"
