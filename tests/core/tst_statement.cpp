#include "core/edit/table_rows.h"
#include "core/store/bulk_insert.h"
#include "core/store/engine_sql.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "test_database.h"

#include <QTest>

// The storage layer as every feature uses it: statements built from schema names, values
// bound, rows read forward, many rows appended in batches.
class TestStatement : public QObject
{
    Q_OBJECT

private slots:
    void statementsNameTablesAndColumnsQuoted()
    {
        // 740Meas and its kin begin with a digit: unquoted they would read as numbers.
        QCOMPARE(Sql("delete from %1 where %2=?", {Tbl::SurLine520, Col::ID}),
                 QStringLiteral(R"(delete from "520SurLine" where "ID"=?)"));
        // A quote inside a name is doubled, and a name is never searched for further %n marks.
        QCOMPARE(Sql("select %2 from %1", {QStringLiteral("a\"b"), QStringLiteral("%1")}),
                 QStringLiteral(R"(select "%1" from "a""b")"));
        // Marks past the names given, and percent signs of the statement's own, stay as written.
        QCOMPARE(Sql("select '%' || %1, '%3'", {Col::SN}), QStringLiteral(R"(select '%' || "SN", '%3')"));
    }

    void theSchemaDeclaresTheColumnsTheListsAndParsersUse()
    {
        const Schema::Table* meas = Schema::FindTable(QStringLiteral("740meas"));
        QVERIFY(meas);
        QCOMPARE(meas->name, QStringLiteral("740Meas"));
        QCOMPARE(meas->ColumnNames().mid(0, 4), QStringList({"ID", "ATTR", "SN", "NCOOR"}));
        QCOMPARE(Schema::FindTable(Tbl::Meas520)->columns.size(), 3 + Col::DataColumnCount);
        QCOMPARE(Schema::FindTable(Tbl::Meas520)->columns.last().name, QStringLiteral("DATA23"));
        QVERIFY(!Schema::FindTable(QStringLiteral("NoSuchTable")));
        // Types: ID a number, STARTDIST a number that orders by value, the settings codes, all else text.
        const auto typeOf = [](const SchemaName& table, const SchemaName& column) {
            for (const Schema::Column& c : Schema::FindTable(table)->columns)
                if (c.name == column.Text())
                    return c.type;
            return Schema::ColumnType::Text;
        };
        QCOMPARE(typeOf(Tbl::CoorEdit, Col::ID), Schema::ColumnType::Integer);
        QCOMPARE(typeOf(Tbl::SurLine520, Col::STARTDIST), Schema::ColumnType::Real);
        QCOMPARE(typeOf(Tbl::COMConfig, Col::BaudRate), Schema::ColumnType::Integer);
        QCOMPARE(typeOf(Tbl::CoorEdit, Col::NCOOR), Schema::ColumnType::Text);
    }

    void boundValuesStayValuesWhateverTheyHold()
    {
        CTestDatabase db;
        const QString insert = Sql("insert into %1(%2,%3) values(?,?)", {Tbl::CoorEdit, Col::ID, Col::SN});
        for (const QString& name : {QStringLiteral("O'Brien"), QStringLiteral("x' or '1'='1"), QStringLiteral("O")})
            QVERIFY(RunStatement(db.Store(), insert, {1, name}));
        QVERIFY(RunStatement(db.Store(), Sql("delete from %1 where %2=?", {Tbl::CoorEdit, Col::SN}), {"x' or '1'='1"}));
        QCOMPARE(db.Rows("select SN from CoorEdit order by rowid"), QStringList({"O'Brien", "O"}));

        CStatement query(db.Store(), Sql("select %1 from %2 where %1=?", {Col::SN, Tbl::CoorEdit}), {"O'Brien"});
        QVERIFY(query.Next());
        QCOMPARE(query.Text(0), QStringLiteral("O'Brien"));
        QVERIFY(!query.Next());
        QVERIFY(!query.Failed());
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void rowsReadAsStoredAndAsTheListShowsThem()
    {
        CTestDatabase db;
        QVERIFY(RunStatement(db.Store(),
                             Sql("insert into %1(%2,%3,%4,%5) values(?,?,?,?)",
                                 {Tbl::SurLine520, Col::ID, Col::STARTDIST, Col::NCOOR, Col::ECOOR}),
                             {7, "100", "3456789.100", QVariant()}));
        CStatement query(db.Store(), Sql("select %1,%2,%3,%4 from %5", {Col::ID, Col::STARTDIST, Col::NCOOR, Col::ECOOR,
                                                                        Tbl::SurLine520}));
        QVERIFY(query.Next());
        QCOMPARE(query.ColumnCount(), 4);
        QCOMPARE(query.ColumnIndex(QStringLiteral("ncoor")), 2);
        QCOMPARE(query.ColumnIndex(QStringLiteral("SN")), -1);
        QCOMPARE(query.Value(0), QVariant(qlonglong(7)));
        // The text "100" went into a REAL column: the engine keeps 100.0, shown as 100.
        QCOMPARE(query.Value(1), QVariant(100.0));
        QCOMPARE(query.Text(1), QStringLiteral("100"));
        // Coordinates keep the text they were given.
        QCOMPARE(query.Value(2), QVariant(QStringLiteral("3456789.100")));
        QVERIFY(query.IsNull(3));
        QVERIFY(!query.Value(3).isValid());
        QCOMPARE(query.Text(3), QString());
        // Beyond the row's columns there is nothing.
        QVERIFY(query.IsNull(9));
        QCOMPARE(query.Utf8(9).size(), 0);

        const QVariant failed(QStringLiteral("failed"));
        QCOMPARE(QueryValue(db.Store(), Sql("select count(*) from %1", {Tbl::SurLine520})).value_or(failed),
                 QVariant(qlonglong(1)));
        // No row is no value, not a failure.
        QCOMPARE(QueryValue(db.Store(), Sql("select %1 from %2 where %1=?", {Col::ID, Tbl::SurLine520}), {8}).value_or(failed),
                 QVariant());
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void failedStatementsAreToldOnceAndGiveNoRows()
    {
        CTestDatabase db;
        QVERIFY(!QueryValue(db.Store(), Sql("select * from %1", {QStringLiteral("NoSuchTable")})));
        QCOMPARE(db.Reporter().TakeMessages(), QStringList({"no such table: NoSuchTable"}));
        QVERIFY(!RunStatement(db.Store(), Sql("delete from %1", {QStringLiteral("NoSuchTable")})));
        QCOMPARE(db.Reporter().TakeMessages(), QStringList({"no such table: NoSuchTable"}));
        // A constraint failure while stepping: the statement fails and says so once.
        CStatement bad(db.Store(), QStringLiteral("select abs(-9223372036854775807 - 1)"));
        QVERIFY(bad.IsValid());
        QVERIFY(!bad.Next());
        QVERIFY(bad.Failed());
        QVERIFY(!bad.Next());
        QCOMPARE(db.Reporter().TakeMessages(), QStringList({"integer overflow"}));
    }

    void directStatementsJoinTheDriversTransaction()
    {
        // The driver's transaction and the statements run on one connection of one engine: what a
        // statement wrote inside a transaction that rolls back is gone.
        CTestDatabase db;
        {
            CTransaction transaction(db.Store());
            QVERIFY(transaction.IsActive());
            QVERIFY(RunStatement(db.Store(), Sql("insert into %1(%2,%3) values(1,'GONE')", {Tbl::CodeEdit, Col::ID, Col::SN})));
            QCOMPARE(db.Count("CodeEdit"), 1);
        }
        QCOMPARE(db.Count("CodeEdit"), 0);
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void everyTableIsMadeWithTheColumnsTheSchemaDeclares()
    {
        // The tables are made from the same declaration the statements name their columns by:
        // a new project has each declared table with exactly its declared columns, in order.
        CTestDatabase db;
        QVERIFY(Schema::FindTable(Tbl::CalcCoor));
        QVERIFY(Schema::FindTable(Tbl::TraverseGrade));
        QVERIFY(Schema::FindTable(Tbl::CoordSystem));
        QVERIFY(Schema::FindTable(Tbl::HandEdits));
        for (const Schema::Table& table : Schema::Tables())
        {
            QStringList made;
            CStatement columns(db.Store(), EngineSql::ColumnNames(), {table.name});
            while (columns.Next())
                made << columns.Text(0);
            QVERIFY(!columns.Failed());
            QCOMPARE(made, table.ColumnNames());
        }
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void renumberingCountsThroughEveryGap()
    {
        // Rows stored as 1 … n keep their rowids when rows between them go; renumbering gives the
        // rest 1, 2, 3 … in stored order however many gaps the deletes left: none, one, a few, and
        // more than the statement takes one by one (every other row gone: 50 gaps).
        const auto check = [](const QList<int>& deleted, int stored) {
            CTestDatabase db;
            CTransaction transaction(db.Store());
            CBulkInsert insert(db.Store(), Tbl::CodeEdit, {Col::ID, Col::SN});
            for (int i = 1; i <= stored; ++i)
                QVERIFY(insert.Add(i, {QByteArray("K") + QByteArray::number(i)}));
            QVERIFY(insert.Finish());
            for (const int id : deleted)
                QVERIFY(RunStatement(db.Store(), Sql("delete from %1 where %2=?", {Tbl::CodeEdit, Col::ID}), {id}));
            QVERIFY(TableRows::Renumber(db.Store(), Tbl::CodeEdit));
            QVERIFY(transaction.Commit());
            QStringList expected;
            int number = 0;
            for (int i = 1; i <= stored; ++i)
                if (!deleted.contains(i))
                    expected << QStringLiteral("%1|K%2").arg(++number).arg(i);
            QCOMPARE(db.Rows(Sql("select %1, %2 from %3 order by rowid", {Col::ID, Col::SN, Tbl::CodeEdit})), expected);
            QVERIFY(db.Reporter().Messages().isEmpty());
        };
        check({}, 5);
        check({1}, 5);
        check({3}, 5);
        check({2, 4, 5, 9}, 10);
        QList<int> everyOther;
        for (int i = 2; i <= 100; i += 2)
            everyOther << i;
        check(everyOther, 101);
    }

    void bulkInsertStoresEveryRowInBatchesAndTheRest()
    {
        CTestDatabase db;
        // 64 rows go in one statement: 130 rows are two full batches and a rest of two.
        CTransaction transaction(db.Store());
        CBulkInsert insert(db.Store(), Tbl::Meas740, {Col::ID, Col::ATTR, Col::SN, Col::NCOOR});
        for (int i = 1; i <= 130; ++i)
        {
            const QByteArray name = "P" + QByteArray::number(i);
            if (i % 2)
                QVERIFY(insert.Add(i, {QByteArrayView("a"), QByteArrayView(name)})); // NCOOR not given
            else
                QVERIFY(insert.Add(i, QStringList{QStringLiteral("b"), QString::fromUtf8(name), QStringLiteral("1.0"),
                                                  QStringLiteral("ignored beyond the columns")}));
        }
        QVERIFY(insert.Finish());
        QVERIFY(transaction.Commit());
        QCOMPARE(db.Count("740Meas"), 130);
        QCOMPARE(db.Rows("select ID, ATTR, SN, NCOOR, NCOOR is null from \"740Meas\" where ID in (1, 2, 129, 130)"),
                 QStringList({"1|a|P1||0", "2|b|P2|1.0|0", "129|a|P129||0", "130|b|P130|1.0|0"}));
        QVERIFY(db.Reporter().Messages().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStatement)
#include "tst_statement.moc"
