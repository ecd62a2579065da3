#include "test_database.h"
#include "core/views/data_kind.h"
#include "core/views/list_layout.h"
#include "core/views/list_rows.h"

#include <QTest>

class TestListRows : public QObject
{
    Q_OBJECT

private slots:
    void layoutsCarryTheirCaptionsWidthsAndAlignment()
    {
        QCOMPARE(ListCaptionsOf(DataKind::Coor),
                 QStringList({"序号", "列表属性", "点名", "北坐标(N)", "东坐标(E)", "高程(Z)", "代码"}));
        QCOMPARE(ListCaptionsOf(DataKind::Code), QStringList({"序号", "列表属性", "编号", "编码"}));
        QCOMPARE(ListCaptionsOf(DataKind::Meas).size(), 15);
        QCOMPARE(ListCaptionsOf(DataKind::Meas).last(), QStringLiteral("注释"));
        QCOMPARE(ListCaptionsOf(DataKind::V2Meas).size(), 23);
        QCOMPARE(ListCaptionsOf(DataKind::V2Meas).last(), QStringLiteral("DATA20"));
        QCOMPARE(ListCaptionsOf(DataKind::RoadStake).size(), 8);
        QCOMPARE(ListCaptionsOf(DataKind::XSect), QStringList({"序号", "列表属性", "里程", "宽度", "高差"}));
        QCOMPARE(ListCaptionsOf(DataKind::Alignment).at(3), QStringLiteral("起始里程"));
        QVERIFY(ListLayoutOf(DataKind::UploadT5).isEmpty());
        QVERIFY(ListLayoutOf(DataKind::UploadV2).isEmpty());

        const QList<ListColumn>& meas = ListLayoutOf(DataKind::Meas);
        QCOMPARE(meas[1].width, 190);
        QCOMPARE(ListLayoutOf(DataKind::V2Meas)[1].width, 100);
        QCOMPARE(ListLayoutOf(DataKind::Coor)[2].width, 50);
        for (const DataKind kind : {DataKind::Coor, DataKind::Code, DataKind::Meas, DataKind::Alignment})
        {
            const QList<ListColumn>& layout = ListLayoutOf(kind);
            for (int i = 0; i < layout.size(); ++i)
                QCOMPARE(layout[i].leftAligned, i == 1);
        }
    }

    void kindsByWordOrNumber()
    {
        QCOMPARE(DataKindFromName("coor"), std::optional(DataKind::Coor));
        QCOMPARE(DataKindFromName("alignment"), std::optional(DataKind::Alignment));
        QCOMPARE(DataKindFromName("74001"), std::optional(DataKind::Meas));
        QCOMPARE(DataKindFromName("74002"), std::nullopt);
        QCOMPARE(DataKindFromName("Coor"), std::nullopt);
        QCOMPARE(DataKindFromName(""), std::nullopt);
    }

    void cellsAreStoredTextsTrimmedWhereTheLayoutSays()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,' Manual ','P1','1234.500','567.250','10.000',' TREE ')",
                "insert into \"740Meas\"(ID,ATTR,SN,CODE,NOTES) values(1,' T5(T8)_Meas_Note ',' P1 ',' C ',' hello ')"});
        // Coordinates: the origin as stored, the code trimmed.
        QCOMPARE(ReadListRows(db.Store(), DataKind::Coor),
                 QList<QStringList>({{"1", " Manual ", "P1", "1234.500", "567.250", "10.000", "TREE"}}));
        const QStringList meas = ReadListRows(db.Store(), DataKind::Meas).value(0);
        QCOMPARE(meas.size(), 15);
        QCOMPARE(meas[1], QStringLiteral("T5(T8)_Meas_Note"));
        QCOMPARE(meas[2], QStringLiteral(" P1 "));
        QCOMPARE(meas[6], QStringLiteral("C"));
        QCOMPARE(meas[14], QStringLiteral(" hello "));
        QCOMPARE(meas[7], QString()); // never written: shown empty
    }

    void versionTwoRecordsShowTwentyFields()
    {
        CTestDatabase db;
        QStringList values = {"1", "'T8_V2_Meas'", "'M'"};
        for (int i = 1; i <= 23; ++i)
            values << QStringLiteral("'d%1'").arg(i);
        db.Run({"insert into \"520Meas\" values(" + values.join(',') + ")"});
        const QStringList row = ReadListRows(db.Store(), DataKind::V2Meas).value(0);
        QCOMPARE(row.size(), 23);
        QCOMPARE(row[3], QStringLiteral("d1"));
        QCOMPARE(row.last(), QStringLiteral("d20"));
    }

    void rowsComeInTableOrderAndAlignmentByChainage()
    {
        CTestDatabase db;
        db.Run({"insert into CodeEdit values(2,'a','B','x')", "insert into CodeEdit values(1,'a','A','y')",
                "insert into \"520SurLine\" values(1,'m','1',250.5,'0','1','2')",
                "insert into \"520SurLine\" values(2,'m','2',12,'0','1','2')",
                "insert into \"520SurLine\" values(3,'m','3',100,'0','1','2')"});
        const QList<QStringList> codes = ReadListRows(db.Store(), DataKind::Code);
        QCOMPARE(codes.size(), 2);
        QCOMPARE(codes[0][2], QStringLiteral("B"));
        QStringList chainages;
        for (const QStringList& row : ReadListRows(db.Store(), DataKind::Alignment))
            chainages << row[3];
        QCOMPARE(chainages, QStringList({"12", "100", "250.5"}));
    }

    void emptyOrFailingTablesGiveNoRows()
    {
        CTestDatabase db;
        QVERIFY(ReadListRows(db.Store(), DataKind::XSect).isEmpty());
        QVERIFY(ReadListRows(db.Store(), DataKind::UploadT5).isEmpty());
        QVERIFY(db.Reporter().Messages().isEmpty());
        db.Run({"drop table CodeEdit"});
        QVERIFY(ReadListRows(db.Store(), DataKind::Code).isEmpty());
        QCOMPARE(db.Reporter().TakeMessages(), QStringList({"no such table: CodeEdit"}));
    }
};

QTEST_GUILESS_MAIN(TestListRows)
#include "tst_list_rows.moc"
