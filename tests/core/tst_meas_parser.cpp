#include "core/download/job_writer.h"
#include "core/download/meas_parser.h"
#include "core/download/number_text.h"
#include "parsed_rows.h"
#include "test_database.h"

#include <QTest>

// Expected rows list the 740Meas columns in table order:
// ID|ATTR|SN|NCOOR|ECOOR|ZCOOR|CODE|PH|PA|HD|IH|HA|VA|SD|NOTES
class TestMeasParser : public QObject
{
    Q_OBJECT

private slots:
    void trimLeadingZeros_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zeros before digits") << "0012.345" << "12.345";
        QTest::newRow("only zeros before the point") << "000.5" << "0.5";
        QTest::newRow("nothing before the point") << ".5" << "0.5";
        QTest::newRow("sign first") << "-012.5" << "-012.5";
        QTest::newRow("no point") << "0012" << "0012";
        QTest::newRow("a file name") << "007.txt" << "7.txt";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("point last") << "00." << "0.";
        QTest::newRow("no leading zero") << "12.50" << "12.50";
    }
    void trimLeadingZeros()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(TrimLeadingZeros(text), expected);
    }

    void halfSecondsToDegrees_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("right angle") << "648000" << "90.0000";
        QTest::newRow("not a number") << "abc" << "0.0000";
        QTest::newRow("empty") << "" << "0.0000";
        QTest::newRow("blanks and sign") << "  -7200" << "-1.0000";
        QTest::newRow("exponent") << "1.8e3" << "0.2500";
        QTest::newRow("number then letters") << "3600.5x" << "0.5001";
        QTest::newRow("lone exponent letter") << "7200e" << "1.0000";
    }
    void halfSecondsToDegrees()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(HalfSecondsToDegrees(text), expected);
    }

    void linkLayouts_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("input point, blanks after the name")
            << "A,P1  ,100.000,200.000,0012.500"
            << "1|T5(T8)_Meas_Input-Coor|P1|100.000|200.000|12.500|||||||||";
        QTest::newRow("measured point") << "B,P2,TREE,10.0,20.0,30.0,001.500"
                                        << "1|T5(T8)_Meas_Measure-Coor|P2|10.0|20.0|30.0|TREE|1.500|||||||";
        QTest::newRow("backsight by coordinates")
            << "L,BS,1.0,2.0,3.0,45.0000,1.5,0010.0" << "1|T5(T8)_Meas_Backsight-Coor|BS|1.0|2.0|3.0||1.5|45.0000|10.0|||||";
        QTest::newRow("station") << "C,ST1,PT,100.0,200.0,50.0,01.650"
                                 << "1|T5(T8)_Meas_Station|ST1|100.0|200.0|50.0|PT||||1.650||||";
        QTest::newRow("angle") << "D,P3,WALL,90.1234,45.0000,0.500"
                               << "1|T5(T8)_Meas_Angle|P3||||WALL|0.500||||45.0000|90.1234||";
        QTest::newRow("distance, angles kept as sent")
            << "E,P5,TREE,90.0000,45.0000,1.500,0123.456"
            << "1|T5(T8)_Meas_Dist|P5||||TREE|1.500||||45.0000|90.0000|123.456|";
        QTest::newRow("note with a comma") << "F,start, end" << "1|T5(T8)_Meas_Note|||||||||||||start, end";
        QTest::newRow("note that looks like a number") << "F,007.txt" << "1|T5(T8)_Meas_Note|||||||||||||7.txt";
        QTest::newRow("last field takes the rest of the line")
            << "A,P1,1.0,2.0,3,4" << "1|T5(T8)_Meas_Input-Coor|P1|1.0|2.0|3,4|||||||||";
        QTest::newRow("short line leaves the missing columns empty")
            << "C,ST1,PT,100.000" << "1|T5(T8)_Meas_Station|ST1|100.000|||PT||||||||";
        QTest::newRow("empty fields stay empty") << "B,P9,,,,," << "1|T5(T8)_Meas_Measure-Coor|P9||||||||||||";
    }
    void linkLayouts()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const ParsedJob job = ParseMeasJob(line + QStringLiteral("\r\n"));
        QCOMPARE(ParsedRows(job, "740Meas"), QStringList{expected});
        QCOMPARE(job.records, 1);
    }

    void fileLayouts_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("distance ending with a comma")
            << "E,P5,648000,324000,1.500,TREE,123.456,"
            << "1|T5(T8)_Meas_Dist|P5||||TREE|1.500||||90.0000|45.0000|123.456|";
        QTest::newRow("distance without its last comma")
            << "E,P5,648000,324000,1.500,TREE,123.456" << "1|T5(T8)_Meas_Dist|P5||||TREE|1.500||||90.0000|45.0000||";
        QTest::newRow("angle, not a number")
            << "D,P6,abc,  1296000xyz,01.2,C1," << "1|T5(T8)_Meas_Angle|P6||||C1|1.2||||180.0000|0.0000||";
        QTest::newRow("measured point, code last")
            << "B,P7,100.000,200.000,30.000,01.500,TREE," << "1|T5(T8)_Meas_Measure-Coor|P7|100.000|200.000|30.000|TREE|1.500|||||||";
        QTest::newRow("station, code last")
            << "C,ST1,100.0,200.0,50.0,001.650,PT," << "1|T5(T8)_Meas_Station|ST1|100.0|200.0|50.0|PT||||1.650||||";
        QTest::newRow("backsight azimuth converted")
            << "L,BS,1.0,2.0,3.0,324000,1.5,0010.0," << "1|T5(T8)_Meas_Backsight-Coor|BS|1.0|2.0|3.0||1.5|45.0000|10.0|||||";
        QTest::newRow("input point") << "A,P1,100.000,200.000,0012.500,"
                                     << "1|T5(T8)_Meas_Input-Coor|P1|100.000|200.000|12.500|||||||||";
        QTest::newRow("note without a last comma") << "F,007.txt" << "1|T5(T8)_Meas_Note|||||||||||||7.txt";
        QTest::newRow("short line: missing angles stay empty, not 0.0000")
            << "D,P8,648000," << "1|T5(T8)_Meas_Angle|P8||||||||||90.0000||";
    }
    void fileLayouts()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(ParsedRows(ParseMeasJobFile(line + QStringLiteral("\r\n")), "740Meas"), QStringList{expected});
    }

    void backsightAngleKeepsTheStationHeight()
    {
        const ParsedJob job = ParseMeasJob(QStringLiteral("C,ST1,,100.0,200.0,50.0,1.650\r\n"
                                                "K,BS1,110.0,200.0,50.0,0.0000,1.500,10.000\r\n"
                                                "K,BS2,100.0,210.0,50.0,90.0000,1.500,10.000\r\n"
                                                "L,BS3,90.0,200.0,50.0,180.0000,1.500,10.000\r\n"
                                                "K,BS4,100.0,190.0,50.0,270.0000,1.500,10.000\r\n"));
        QStringList heights;
        for (const QString& row : ParsedRows(job, "740Meas"))
            heights << row.section('|', 2, 2) + '|' + row.section('|', 10, 10);
        QCOMPARE(heights, QStringList({"ST1|1.650", "BS1|1.650", "BS2|1.650", "BS3|", "BS4|"}));
    }

    void onlyRecognisedLinesBecomeRows()
    {
        const ParsedJob job = ParseMeasJob(QStringLiteral("G,X1,1.0,2.0,3.0\r\n"
                                                    "a,X2,1.0,2.0,3.0\r\n"
                                                    " A,X3,1.0,2.0,3.0\r\n"
                                                    "A,P1,1.0,2.0,3.0\r\n"
                                                    "no comma on this line\r\n"
                                                    "\r\n"
                                                    "A,P2,4.0,5.0,6.0\r\n"
                                                    "A,P3,7.0,8.0,9.0"));
        const QStringList rows = ParsedRows(job, "740Meas");
        QCOMPARE(rows.size(), 2);
        QVERIFY(rows[0].startsWith("1|T5(T8)_Meas_Input-Coor|P1|"));
        QVERIFY(rows[1].startsWith("2|T5(T8)_Meas_Input-Coor|P2|"));
        QCOMPARE(job.records, 2);
    }

    void emptyAndUnendedTexts()
    {
        const ParsedJob nothing = ParseMeasJob(QString());
        QVERIFY(nothing.replaces.isEmpty());
        QVERIFY(nothing.tables.isEmpty());

        // A text without a line end gives no record but still stands for a job: it would
        // replace the job and its points.
        const ParsedJob unended = ParseMeasJob(QStringLiteral("A,P1,1.0,2.0,3.0"));
        QCOMPARE(unended.records, 0);
        QCOMPARE(unended.replaces, (QStringList{"740Meas", "CoorEdit"}));
        QVERIFY(ParsedRows(unended, "740Meas").isEmpty());
        QVERIFY(ParsedRows(unended, "CoorEdit").isEmpty());
    }

    void coordinatesAreRebuiltFromTheJob()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (7,'HAND','OLD','1','2','3','')"});
        const ParsedJob job = ParseMeasJob(QStringLiteral("C,ST1,PT,100.0,200.0,50.0,1.650\r\n"
                                                "D,P1,,90.0000,45.0000,1.500\r\n"
                                                "E,P2,,90.0000,45.0000,1.500,12.345\r\n"
                                                "B,P3,TREE,110.0,210.0,51.0,1.500\r\n"
                                                "A,P4,,300.0,10.0\r\n"
                                                "A,P5,400.0,,10.0\r\n"
                                                "F,done\r\n"
                                                "A,P6,500.0,600.0,\r\n"));
        QVERIFY(StoreParsedJob(db.Store(), job).Succeeded());
        QCOMPARE(db.CoorRows(), QStringList({"1|T5(T8)_COOR|ST1|100.0|200.0|50.0|PT",
                                            "4|T5(T8)_COOR|P3|110.0|210.0|51.0|TREE",
                                            "8|T5(T8)_COOR|P6|500.0|600.0||"}));
    }

    void eachParseNumbersFromOne()
    {
        QVERIFY(ParsedRows(ParseMeasJob(QStringLiteral("A,P1,1.0,2.0,3.0\r\n")), "740Meas").first().startsWith("1|"));
        QVERIFY(ParsedRows(ParseMeasJobFile(QStringLiteral("A,P2,4.0,5.0,6.0,\r\n")), "740Meas").first().startsWith("1|"));
    }

    void aRefusedRowLeavesTheOldJob()
    {
        CTestDatabase db;
        db.Run({"insert into \"740Meas\"(ID,ATTR,SN) values (1,'OLD','OLD')",
                "insert into CoorEdit(ID,ATTR,SN) values (1,'OLD','KEEP')",
                "CREATE TRIGGER refuse BEFORE INSERT ON \"740Meas\" WHEN NEW.SN = 'BAD' "
                "BEGIN SELECT RAISE(ABORT, 'row refused'); END"});
        const ParsedJob job = ParseMeasJob(QStringLiteral("A,P1,1.0,2.0,3.0\r\n"
                                                          "A,BAD,4.0,5.0,6.0\r\n"
                                                          "A,P3,7.0,8.0,9.0\r\n"));
        QVERIFY(!StoreParsedJob(db.Store(), job).Succeeded());
        QCOMPARE(db.Reporter().Messages().size(), 1);
        QVERIFY(db.Reporter().Messages().first().contains(QStringLiteral("row refused")));
        // One transaction: the refused row undoes the whole job, the old one stays.
        QCOMPARE(db.Rows(QStringLiteral("select SN from \"740Meas\"")), QStringList{"OLD"});
        QCOMPARE(db.Rows(QStringLiteral("select SN from CoorEdit")), QStringList{"KEEP"});
    }

    void chineseTextIsKept()
    {
        CTestDatabase db;
        QVERIFY(StoreParsedJob(db.Store(), ParseMeasJob(QStringLiteral("B,测点1  ,树,10.0,20.0,30.0,1.5\r\nF,北门，东侧\r\n"))).Succeeded());
        QCOMPARE(db.Rows(QStringLiteral("select SN,CODE,NOTES from \"740Meas\" order by ID")),
                 QStringList({"测点1|树|", "||北门，东侧"}));
    }
};

QTEST_GUILESS_MAIN(TestMeasParser)
#include "tst_meas_parser.moc"
