#include "test_database.h"
#include "core/upload/upload_lines.h"
#include "core/views/data_kind.h"

#include <QTest>

namespace
{
constexpr DataKind Paced = DataKind::UploadT5;
constexpr DataKind Handshake = DataKind::UploadV2;
} // namespace

// What each protocol puts on the wire for the rows of the project, before any port is opened.
class TestUploadLines : public QObject
{
    Q_OBJECT

private slots:
    void pointsGoInTableOrderWithRoundingSignsAndEmptyCodes()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,'a','P9','-12.3456',' 0.0004 ','3456789.1','')",
                "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR) values(2,'a','P1','1','2','3')"});
        // Not sorted by name: the instrument gets the list as it stands.
        QCOMPARE(BuildUploadLines(db.Store(), Handshake, 0).lines,
                 QList<QByteArray>({"P9,-12.346,0.000,3456789.100,,\r\n", "P1,1.000,2.000,3.000,,\r\n"}));
        QCOMPARE(BuildUploadLines(db.Store(), Paced, 0).lines,
                 QList<QByteArray>({"P9,-12.345600,0.000400,3456789.100000\r\n", "P1,1.000000,2.000000,3.000000\r\n"}));
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void namesAndCodesGoOutInGbk()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,'a','界桩1','1','2','3','界桩')"});
        QCOMPARE(BuildUploadLines(db.Store(), Paced, 0).lines.value(0),
                 QByteArray("\xbd\xe7\xd7\xae" "1,1.000000,2.000000,3.000000\r\n"));
        QCOMPARE(BuildUploadLines(db.Store(), Handshake, 0).lines.value(0),
                 QByteArray("\xbd\xe7\xd7\xae" "1,1.000,2.000,3.000,\xbd\xe7\xd7\xae,\r\n"));
    }

    void alignmentByAscendingChainageAsStored()
    {
        CTestDatabase db;
        db.Run({"insert into \"520SurLine\" values(1,'a','1','100','500','3456789.100','512345.678')",
                "insert into \"520SurLine\" values(2,'a','0','10','','3456700.000','512300.000')",
                "insert into \"520SurLine\" values(3,'a','3','100000','','3457000','512999.5')",
                "insert into \"520SurLine\" values(4,'a','2','2500.25','-800','3456800.5','512400')"});
        const UploadLines result = BuildUploadLines(db.Store(), Handshake, UploadCategory::Alignment);
        QVERIFY(result.outcome.Succeeded());
        QCOMPARE(result.lines, QList<QByteArray>({"0,10,,3456700.000,512300.000,\r\n",
                                                  "1,100,500,3456789.100,512345.678,\r\n",
                                                  "2,2500.25,-800,3456800.5,512400,\r\n",
                                                  "3,100000,,3457000,512999.5,\r\n"}));
        // The paced protocol has no alignment: it always sends the points.
        QVERIFY(BuildUploadLines(db.Store(), Paced, UploadCategory::Alignment).lines.isEmpty());
    }

    void aRowWithoutNameOrCoordinateStopsEverything_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name") << "insert into CoorEdit(ID,NCOOR,ECOOR,ZCOOR) values(2,'1','2','3')"
                                 << "The point in row 2 has no name.\nNothing was uploaded.";
        QTest::newRow("blank name") << "insert into CoorEdit(ID,SN,NCOOR,ECOOR,ZCOOR) values(2,'  ','1','2','3')"
                                    << "The point in row 2 has no name.\nNothing was uploaded.";
        QTest::newRow("no height") << "insert into CoorEdit(ID,SN,NCOOR,ECOOR) values(2,'P2','1','2')"
                                   << "Point P2 has no height (Z).\nNothing was uploaded.";
        QTest::newRow("empty east") << "insert into CoorEdit(ID,SN,NCOOR,ECOOR,ZCOOR) values(2,'P2','1','','3')"
                                    << "Point P2 has no east coordinate (E).\nNothing was uploaded.";
        QTest::newRow("north no number") << "insert into CoorEdit(ID,SN,NCOOR,ECOOR,ZCOOR) values(2,'P2','12,5','2','3')"
                                         << "Point P2 has no north coordinate (N).\nNothing was uploaded.";
        QTest::newRow("north infinite") << "insert into CoorEdit(ID,SN,NCOOR,ECOOR,ZCOOR) values(2,'P2','inf','2','3')"
                                        << "Point P2 has no north coordinate (N).\nNothing was uploaded.";
    }
    void aRowWithoutNameOrCoordinateStopsEverything()
    {
        QFETCH(QString, row);
        QFETCH(QString, message);
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,'a','P1','1','2','3','C')", row,
                "insert into CoorEdit values(3,'a','P3','1','2','3','C')"});
        for (const DataKind kind : {Paced, Handshake})
        {
            const UploadLines result = BuildUploadLines(db.Store(), kind, 0);
            QCOMPARE(result.outcome.status, Status::BadRow);
            QCOMPARE(result.outcome.detail, message);
        }
    }

    void anAlignmentElementWithoutValueStopsEverything()
    {
        CTestDatabase db;
        db.Run({"insert into \"520SurLine\" values(1,'a','0','0','','100','200')",
                "insert into \"520SurLine\" values(2,'a','1','50','300','100','')"});
        const UploadLines result = BuildUploadLines(db.Store(), Handshake, UploadCategory::Alignment);
        QCOMPARE(result.outcome.status, Status::BadRow);
        QCOMPARE(result.outcome.detail,
                 QStringLiteral("The alignment element in row 2 has no east coordinate (E).\nNothing was uploaded."));
    }

    void aDatabaseErrorSendsNothing()
    {
        CTestDatabase db;
        db.Run({"drop table CoorEdit"});
        const UploadLines result = BuildUploadLines(db.Store(), Paced, 0);
        QCOMPARE(result.outcome.status, Status::DatabaseError);
        QVERIFY(result.lines.isEmpty());
        // The store has shown the engine's own text.
        QCOMPARE(db.Reporter().Messages().size(), 1);
    }

    void otherKindsSendNothing()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,'a','P1','1','2','3','C')"});
        const UploadLines result = BuildUploadLines(db.Store(), DataKind::Coor, 0);
        QVERIFY(result.outcome.Succeeded());
        QVERIFY(result.lines.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUploadLines)
#include "tst_upload_lines.moc"
