#include "core/views/list_rows.h"
#include "core/views/list_window.h"
#include "test_database.h"

#include <QTest>

// The list read a window at a time, in the stored order or sorted for display.
class TestListWindow : public QObject
{
    Q_OBJECT

private:
    static QStringList Names(const QList<QStringList>& rows, int column = 2)
    {
        QStringList names;
        for (const QStringList& row : rows)
            names << row.value(column);
        return names;
    }

    static void AddPoints(CTestDatabase& db, int count)
    {
        QStringList statements{"begin"};
        for (int i = 1; i <= count; ++i)
            statements << QStringLiteral("insert into CoorEdit values(%1,'Import_Data','P%1','%1.5','2','3',' C%1 ')").arg(i);
        statements << "commit";
        db.Run(statements);
    }

private slots:
    void windowsReadTheStoredOrderAcrossDeletedRows()
    {
        CTestDatabase db;
        AddPoints(db, 300);
        {
            CListWindow window(db.Store(), DataKind::Coor);
            QCOMPARE(window.RowCount(), 300);
            QCOMPARE(window.Rows(0, 2), (QList<QStringList>{{"1", "Import_Data", "P1", "1.5", "2", "3", "C1"},
                                                             {"2", "Import_Data", "P2", "2.5", "2", "3", "C2"}}));
            QCOMPARE(Names(window.Rows(298, 10)), (QStringList{"P299", "P300"}));
            QVERIFY(window.Rows(300, 1).isEmpty());
        }
        // Rows gone from the middle: positions skip them, from either side and in any order.
        db.Run({"delete from CoorEdit where ID=5 or ID between 150 and 159"});
        CListWindow window(db.Store(), DataKind::Coor);
        QCOMPARE(window.RowCount(), 289);
        QCOMPARE(Names(window.Rows(286, 5)), (QStringList{"P298", "P299", "P300"}));
        QCOMPARE(Names(window.Rows(3, 3)), (QStringList{"P4", "P6", "P7"}));
        QCOMPARE(Names(window.Rows(147, 2)), (QStringList{"P149", "P160"}));
        QCOMPARE(Names(window.Rows(140, 3)), (QStringList{"P142", "P143", "P144"}));
        // Every window agrees with the list read from start to end.
        QList<QStringList> windows;
        for (qsizetype first = 0; first < window.RowCount(); first += 64)
            windows += window.Rows(first, 64);
        QCOMPARE(windows, ReadListRows(db.Store(), DataKind::Coor));
    }

    // Numbers by value ahead of texts, texts as text, equal values in stored order; descending
    // the other way round; the table never changes.
    void sortingByAColumn()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit values(1,'Import_Data','A','10','0','0','')",
                "insert into CoorEdit values(2,'Import_Data','B','9','0','0','')",
                "insert into CoorEdit values(3,'Import_Data','C','abc','0','0','')",
                "insert into CoorEdit values(4,'Import_Data','D',' 2','0','0','')",
                "insert into CoorEdit values(5,'Import_Data','E','100.5','0','0','')",
                "insert into CoorEdit values(6,'Import_Data','F','9','0','0','')",
                "insert into CoorEdit values(7,'Import_Data','G','-3e1','0','0','')",
                "insert into CoorEdit values(8,'Import_Data','H','Abc','0','0','')"});
        CListWindow window(db.Store(), DataKind::Coor);
        QVERIFY(window.SortBy(3, false));
        QCOMPARE(Names(window.Rows(0, 10)), (QStringList{"G", "D", "B", "F", "A", "E", "H", "C"}));
        QVERIFY(window.SortBy(3, true));
        QCOMPARE(Names(window.Rows(0, 10)), (QStringList{"C", "H", "E", "A", "B", "F", "D", "G"}));
        QCOMPARE(Names(window.Rows(6, 10)), (QStringList{"D", "G"}));
        // The running number sorts as a number, not as text (10 after 9).
        db.Run({"insert into CoorEdit values(10,'Import_Data','J','0','0','0','')"});
        CListWindow numbered(db.Store(), DataKind::Coor);
        QVERIFY(numbered.SortBy(0, true));
        QCOMPARE(Names(numbered.Rows(0, 3)), (QStringList{"J", "H", "G"}));
        numbered.ClearSort();
        QCOMPARE(Names(numbered.Rows(0, 10)), (QStringList{"A", "B", "C", "D", "E", "F", "G", "H", "J"}));
        QCOMPARE(db.Rows("select SN from CoorEdit"), (QStringList{"A", "B", "C", "D", "E", "F", "G", "H", "J"}));
    }

    // A sorted row still names its place in the list order (the plan marks points by it).
    void sortedRowsKnowTheirListPosition()
    {
        CTestDatabase db;
        AddPoints(db, 12);
        db.Run({"delete from CoorEdit where ID = 3"});
        CListWindow window(db.Store(), DataKind::Coor);
        QCOMPARE(window.ListPositionOf(4), 4);
        QVERIFY(window.SortBy(0, true));
        // Shown: P12, P11, … P4, P2, P1; in the list order P1 is 0, P2 1, P4 2 … P12 10.
        QCOMPARE(Names(window.Rows(0, 2)), (QStringList{"P12", "P11"}));
        QCOMPARE(window.ListPositionOf(0), 10);
        QCOMPARE(window.ListPositionOf(8), 2);
        QCOMPARE(window.ListPositionOf(10), 0);
        QCOMPARE(window.ListPositionOf(11), -1);
        QCOMPARE(window.RowAtListPosition(10), 0);
        QCOMPARE(window.RowAtListPosition(1), 9);
        QCOMPARE(window.RowAtListPosition(11), -1);
        window.ClearSort();
        QCOMPARE(window.RowAtListPosition(7), 7);

        // Without gaps, from a first rowid other than 1: P4 … P12, shown P12 … P4.
        db.Run({"delete from CoorEdit where ID < 4"});
        CListWindow dense(db.Store(), DataKind::Coor);
        QVERIFY(dense.SortBy(0, true));
        QCOMPARE(Names(dense.Rows(0, 1)), (QStringList{"P12"}));
        QCOMPARE(dense.ListPositionOf(0), 8);
        QCOMPARE(dense.ListPositionOf(2), 6);
        QCOMPARE(dense.ListPositionOf(8), 0);
        QCOMPARE(dense.ListPositionOf(9), -1);
        QCOMPARE(dense.RowAtListPosition(0), 8);
        QCOMPARE(dense.RowAtListPosition(6), 2);
        QCOMPARE(dense.RowAtListPosition(9), -1);
    }

    void alignmentReadsByStartChainage()
    {
        CTestDatabase db;
        db.Run({"insert into \"520SurLine\" values(1,'a','1',200.5,'0','0','0')",
                "insert into \"520SurLine\" values(2,'a','2',0,'0','0','0')",
                "insert into \"520SurLine\" values(3,'a','3',100,'0','0','0')"});
        CListWindow window(db.Store(), DataKind::Alignment);
        QCOMPARE(Names(window.Rows(0, 5), 3), (QStringList{"0", "100", "200.5"}));
        QVERIFY(window.SortBy(0, true));
        QCOMPARE(Names(window.Rows(0, 5), 0), (QStringList{"3", "2", "1"}));
        window.ClearSort();
        QCOMPARE(Names(window.Rows(0, 5), 0), (QStringList{"2", "3", "1"}));
    }

    void kindsWithoutAListHaveNoRows()
    {
        CTestDatabase db;
        CListWindow window(db.Store(), DataKind::UploadT5);
        QCOMPARE(window.RowCount(), 0);
        QVERIFY(window.Rows(0, 10).isEmpty());
        QVERIFY(!window.SortBy(0, false));
    }
};

QTEST_GUILESS_MAIN(TestListWindow)
#include "tst_list_window.moc"
