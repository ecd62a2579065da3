#include "core/views/list_rows.h"
#include "core/views/list_sort.h"
#include "core/views/list_window.h"
#include "test_database.h"

#include <QTest>

#include <algorithm>
#include <atomic>

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

    // Names sort as a surveyor reads them: runs of digits by value (P2 before P10, however many
    // digits), the rest by character; names that read the same (P01, P1) by character; numbers
    // by value ahead of every name, descending the other way round.
    void namesSortNaturally()
    {
        CTestDatabase db;
        QStringList statements;
        const QStringList names{"P10", "P2", "Q1", "P19", "10", "P1a", "P1", "P01", "2",
                                "P100000000000000000000", "P99999999999999999999"};
        for (qsizetype i = 0; i < names.size(); ++i)
            statements << QStringLiteral("insert into CoorEdit values(%1,'Import_Data','%2','0','0','0','')").arg(i + 1).arg(names[i]);
        db.Run(statements);
        CListWindow window(db.Store(), DataKind::Coor);
        QVERIFY(window.SortBy(2, false));
        const QStringList ascending{"2", "10", "P01", "P1", "P1a", "P2", "P10", "P19",
                                    "P99999999999999999999", "P100000000000000000000", "Q1"};
        QCOMPARE(Names(window.Rows(0, 20)), ascending);
        QVERIFY(window.SortBy(2, true));
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(Names(window.Rows(0, 20)), descending);
        // The row at the far end of a window comes back too, in its place.
        QCOMPARE(Names(window.Rows(9, 5)), (QStringList{"10", "2"}));
    }

    // A sort can be stopped between its steps and tells how far it got; equal values keep the
    // stored order both ways.
    void sortingStopsWhenAskedAndTellsProgress()
    {
        CTestDatabase db;
        QStringList statements{"begin"};
        for (int i = 1; i <= 3000; ++i)
            statements << QStringLiteral("insert into CoorEdit values(%1,'Import_Data','P%2','0','0','0','')").arg(i).arg(i % 3);
        statements << "commit";
        db.Run(statements);
        std::atomic<bool> stop{true};
        QVERIFY(!SortedRowids(db.Store(), DataKind::Coor, 2, false, &stop));
        stop = false;
        qint64 lastDone = -1, lastTotal = 0;
        const std::optional<std::vector<qint64>> rowids =
            SortedRowids(db.Store(), DataKind::Coor, 2, true, &stop, [&](qint64 done, qint64 total) {
                QVERIFY(done >= lastDone);
                lastDone = done;
                lastTotal = total;
            });
        QVERIFY(rowids);
        QCOMPARE(lastDone, lastTotal);
        QCOMPARE(rowids->size(), size_t(3000));
        // Descending: P2 (rows 2, 5, …), then P1 (1, 4, …), then P0 (3, 6, …), each in stored order.
        QCOMPARE((*rowids)[0], 2);
        QCOMPARE((*rowids)[1], 5);
        QCOMPARE((*rowids)[1000], 1);
        QCOMPARE((*rowids)[2000], 3);
        QCOMPARE((*rowids)[2999], 3000);
        QVERIFY(!SortedRowids(db.Store(), DataKind::Coor, 99, false));
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
