#include "core/download/v2_parsers.h"
#include "core/download/v2_record_names.h"
#include "core/download/job_writer.h"
#include "test_database.h"

#include <QTest>

class TestV2Parsers : public QObject
{
    Q_OBJECT

private:
    // A 520Meas row as ID|ATTR|MARK|DATA1|…|DATA23, the data fields not given empty.
    static QString MeasRow(int id, const QString& mark, QStringList data)
    {
        while (data.size() < 23)
            data << QString();
        return QStringList({QString::number(id), QStringLiteral("T8_V2_Meas"), mark}).join('|') + '|' + data.join('|');
    }
    // Puts a parse into the project as a download or an import does.
    static ParsedJob Stored(CTestDatabase& db, const ParsedJob& job)
    {
        if (!StoreParsedJob(db.Store(), job).Succeeded())
            QTest::qFail("the parsed rows were not stored", __FILE__, __LINE__);
        return job;
    }
    static QStringList V2MeasRows(CTestDatabase& db)
    {
        QString columns = QStringLiteral("ID,ATTR,MARK");
        for (int i = 1; i <= 23; ++i)
            columns += QStringLiteral(",DATA%1").arg(i);
        return db.Rows(QStringLiteral("select %1 from \"520Meas\" order by ID").arg(columns));
    }
    static QStringList StakeRows(CTestDatabase& db)
    {
        return db.Rows(QStringLiteral("select ID,ATTR,DIST,LABGRAP,LABX,LABY,LABZ,MEMO from \"520RoadStake\" order by ID"));
    }

private slots:
    void roadStake_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("coor");
        QTest::newRow("final comma") << "1,10.000,20,3000.000,5000.000,100.000,0012.5,"
                                     << "1|T8_V2_RoadStake|10.000|20|3000.000|5000.000|100.000|12.5"
                                     << "1|T8_V2_Coor||3000.000|5000.000|100.000|";
        QTest::newRow("no final comma: the note is no field")
            << "1,10.000,20,3000.000,5000.000,100.000,0012.5"
            << "1|T8_V2_RoadStake|10.000|20|3000.000|5000.000|100.000|"
            << "1|T8_V2_Coor||3000.000|5000.000|100.000|";
        QTest::newRow("note with a point loses its zeros") << "1,5,20,1,2,3,007.50,"
                                                           << "1|T8_V2_RoadStake|5|20|1|2|3|7.50"
                                                           << "1|T8_V2_Coor||1|2|3|";
        QTest::newRow("note without a point stays") << "1,5,20,1,2,3,007,"
                                                    << "1|T8_V2_RoadStake|5|20|1|2|3|007"
                                                    << "1|T8_V2_Coor||1|2|3|";
    }
    void roadStake()
    {
        QFETCH(QString, line);
        QFETCH(QString, stake);
        QFETCH(QString, coor);
        CTestDatabase db;
        const ParsedJob outcome = Stored(db, ParseV2RoadStake(line + QStringLiteral("\r\n")));
        QCOMPARE(StakeRows(db), QStringList{stake});
        QCOMPARE(db.CoorRows(), QStringList{coor});
        QCOMPARE(outcome.records, 1);
        QCOMPARE(db.Reporter().Messages(), QStringList());
    }

    void coordinatesTakeOnlyCRecords()
    {
        CTestDatabase db;
        const ParsedJob outcome = Stored(db, ParseV2Coor(QStringLiteral("X,P1,100,200,10,TREE,\r\n"
                                                                              "C,P1,100,200,10,TREE,\r\n"
                                                                              " C ,P2,1,2,3,007.5,\r\n")));
        QCOMPARE(db.CoorRows(), QStringList({"1|T8_V2_COOR|P1|100|200|10|TREE", "2|T8_V2_COOR|P2|1|2|3|7.5"}));
        QCOMPARE(outcome.records, 2);
    }

    void crossSectionsAndAlignment()
    {
        CTestDatabase db;
        Stored(db, ParseV2XSect(QStringLiteral("9,10.5,2.0,-000.25,\r\n")));
        Stored(db, ParseV2SurfaceLine(QStringLiteral("1,100.5,500,003000.5,0005000.25,\r\n")));
        QCOMPARE(db.Rows(QStringLiteral("select ID,ATTR,DIST,WIDTH,HIGH from \"520BreakerSur\"")),
                 QStringList{"1|T8_V2_BreakerSurface|10.5|2.0|-000.25"});
        QCOMPARE(db.Rows(QStringLiteral("select ID,ATTR,LINETYPE,STARTDIST,CIRCUS,NCOOR,ECOOR from \"520SurLine\"")),
                 QStringList{"1|T8_V2_SurfaceLine|1|100.5|500|003000.5|5000.25"});
    }

    void measurementRecords()
    {
        CTestDatabase db;
        const ParsedJob outcome = Stored(db, ParseV2Meas(QStringLiteral("A,P1,100,200,10,0,3,\r\n"
                                                                              "B,P2,x,10,20,30,1,0,\r\n"
                                                                              "D,P3,1,2,3,4,5,6,0,2,\r\n"
                                                                              " K ,a,b,c,d,1,\r\n"
                                                                              "A,P4,1,2,3,\r\n"
                                                                              "Z,a,b,tail\r\n")));
        QCOMPARE(V2MeasRows(db),
                 QStringList({MeasRow(1, "Station", {"P1", "100", "200", "10", "0", "Free Station"}),
                              MeasRow(2, "Stake Point", {"P2", "x", "10", "20", "30", "Dist", "Measurement"}),
                              MeasRow(3, "Stake Result", {"P3", "1", "2", "3", "4", "5", "6", "Angle", "COGO"}),
                              MeasRow(4, "Free Stake", {"a", "b", "c", "d", "Station Adjust"}),
                              // The mode field it does not carry stays empty instead of naming mode 0.
                              MeasRow(5, "Station", {"P4", "1", "2", "3"}),
                              MeasRow(6, "", {"a", "b"})}));
        // Only records with a point give coordinates, numbered on their own.
        QCOMPARE(db.CoorRows(), QStringList({"1|T8_V2_Coor|P1|100|200|10|", "2|T8_V2_Coor|P2|10|20|30|",
                                            "3|T8_V2_Coor|P4|1|2|3|"}));
        QCOMPARE(outcome.records, 6);
    }

    void measurementKeepsTwentyThreeFields()
    {
        CTestDatabase db;
        QStringList fields;
        for (int i = 1; i <= 24; ++i)
            fields << QStringLiteral("f%1").arg(i);
        Stored(db, ParseV2Meas(QStringLiteral("Z,") + fields.join(',') + QStringLiteral(",\r\n")));
        QCOMPARE(V2MeasRows(db), QStringList{MeasRow(1, "", fields.mid(0, 23))});
    }

    void recordTypeNames_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("data1");
        QTest::addColumn<QString>("name");
        QTest::newRow("F and G share a name") << "G" << "" << "Angle,Dist Measurement";
        QTest::newRow("codes are case-sensitive") << "a" << "" << "";
        QTest::newRow("no code") << "" << "1" << "";
        QTest::newRow("P by number, sign and tail allowed") << "P" << " +8x" << "COGO Extend Point Input";
        QTest::newRow("P out of range") << "P" << "0" << "";
        QTest::newRow("Q inverse") << "Q" << "0" << "COGO Inverse Result";
        QTest::newRow("Q plain result") << "Q" << "7" << "COGO Result";
        QTest::newRow("Q 4 has no name") << "Q" << "4" << "";
        QTest::newRow("Q compares the text exactly") << "Q" << " 6" << "";
        QTest::newRow("S with no number counts 0") << "S" << "abc" << "Ref.Line Line Translation";
        QTest::newRow("S 2") << "S" << "2" << "Ref.line Stake Out Result";
        QTest::newRow("S 3 has no name") << "S" << "3" << "";
        QTest::newRow("T starts at 3") << "T" << "3" << "Ref.arc Result";
        QTest::newRow("T 7") << "T" << "7" << "Ref.arc Stake Out Angle";
        QTest::newRow("T 8 has no name") << "T" << "8" << "";
    }
    void recordTypeNames()
    {
        QFETCH(QString, code);
        QFETCH(QString, data1);
        QFETCH(QString, name);
        QCOMPARE(RecordTypeName(code, data1), name);
    }

    void modeNames()
    {
        QCOMPARE(ModeName(QStringLiteral("12")), QStringLiteral("Hiding Point"));
        QCOMPARE(ModeName(QStringLiteral("13")), QString());
        QCOMPARE(ModeName(QStringLiteral("-1")), QString());
        QCOMPARE(ModeName(QStringLiteral("x")), QStringLiteral("Measurement"));
    }

    // Shared by all five parsers: what is a record line and what a field.
    void lineHandling()
    {
        CTestDatabase db;
        const ParsedJob outcome = Stored(db, ParseV2XSect(QStringLiteral("1,10,2,0003.5,\r\n"
                                                                               "\r\n"
                                                                               "no comma\r\n"
                                                                               "  2,20,3,4.0,  \r\n"
                                                                               "3,30,\r\n"
                                                                               "4,40,5,6,")));
        // Lines without a comma give no row and no number; a short line's missing fields stay
        // empty; the last line without its line end is not read.
        QCOMPARE(db.Rows(QStringLiteral("select ID,DIST,WIDTH,HIGH from \"520BreakerSur\" order by ID")),
                 QStringList({"1|10|2|3.5", "2|20|3|4.0", "3|30||"}));
        QCOMPARE(outcome.records, 3);
    }

    void nothingToRead()
    {
        CTestDatabase db;
        QCOMPARE(Stored(db, ParseV2Meas(QString())).records, 0);
        QCOMPARE(Stored(db, ParseV2Coor(QStringLiteral("C,P1,1,2,3,X,"))).records, 0);
        QCOMPARE(db.Count(QStringLiteral("520Meas")) + db.Count(QStringLiteral("CoorEdit")), 0);
    }

    void aRefusedRecordLeavesTheOldRows()
    {
        CTestDatabase db;
        db.Run({"insert into \"520RoadStake\"(ID,ATTR,DIST) values (1,'OLD','1.0')",
                "insert into CoorEdit(ID,ATTR,SN) values (1,'OLD','KEEP')",
                "CREATE TRIGGER refuse BEFORE INSERT ON \"520RoadStake\" WHEN NEW.DIST = 'bad' "
                "BEGIN SELECT RAISE(ABORT, 'row refused'); END"});
        QVERIFY(!StoreParsedJob(db.Store(), ParseV2RoadStake(QStringLiteral("1,bad,20,1,2,3,m,\r\n"
                                                                            "2,5,20,7,8,9,n,\r\n"))).Succeeded());
        QCOMPARE(db.Reporter().Messages().size(), 1);
        QVERIFY(db.Reporter().Messages().first().contains(QStringLiteral("row refused")));
        // One transaction: the stake-outs and their points stay as they were.
        QCOMPARE(StakeRows(db), QStringList{"1|OLD|1.0|||||"});
        QCOMPARE(db.Rows(QStringLiteral("select SN from CoorEdit")), QStringList{"KEEP"});
    }
};

QTEST_GUILESS_MAIN(TestV2Parsers)
#include "tst_v2_parsers.moc"
