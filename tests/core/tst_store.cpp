#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "table_rows.h"
#include "test_database.h"
#include "under_wine.h"

#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

class TestStore : public QObject
{
    Q_OBJECT

private slots:
    void newDatabaseHoldsEveryTableWithItsColumns()
    {
        CTestDatabase db;
        const QStringList expected740 = {"ID", "ATTR", "SN", "NCOOR", "ECOOR", "ZCOOR", "CODE", "PH",
                                         "PA", "HD", "IH", "HA", "VA", "SD", "NOTES"};
        const QStringList tables = db.Store().Database().tables();
        for (const char* name : {"CoorEdit", "CodeEdit", "740Meas", "520Meas", "520RoadStake", "520BreakerSur",
                                    "520SurLine", "COMConfig"})
            QVERIFY2(tables.contains(QString::fromLatin1(name)), name);
        const QSqlRecord meas = db.Store().Database().record(QStringLiteral("740Meas"));
        QStringList columns;
        for (int i = 0; i < meas.count(); ++i)
            columns << meas.fieldName(i);
        QCOMPARE(columns, expected740);
        QCOMPARE(db.Store().Database().record(QStringLiteral("520Meas")).count(), 26);
        QCOMPARE(db.Store().Database().record(QStringLiteral("COMConfig")).fieldName(5), QStringLiteral("ParityBit"));
    }

    void reopeningKeepsRows()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keep.db"));
        CRecordingReporter reporter;
        {
            CProjectStore store(path, &reporter);
            QVERIFY(store.Connect());
            QVERIFY(RunStatement(store, "insert into \"740Meas\"(ID,SN) values(1,'A')"));
            store.Disconnect();
        }
        CProjectStore again(path, &reporter);
        QVERIFY(again.Connect());
        QCOMPARE(TableRows(again, "select SN from \"740Meas\""), QStringList({"A"}));
        again.Disconnect();
        QVERIFY(reporter.Messages().isEmpty());
    }

    void alignmentSortsByChainageValue()
    {
        CTestDatabase db;
        // Typed chainages arrive as texts; the column keeps them as numbers.
        for (const char* start : {"100", "10", "9.5"})
            QVERIFY(RunStatement(db.Store(), InsertInto(Tbl::SurLine520, {Col::ID, Col::STARTDIST}), {"1", start}));
        QCOMPARE(TableRows(db.Store(), Sql("select %1 from %2 order by %1 ASC", {Col::STARTDIST, Tbl::SurLine520})),
                 QStringList({"9.5", "10", "100"}));
    }

    void countOfEmptyTableIsZeroAtPositionZero()
    {
        CTestDatabase db;
        CStatement count(db.Store(), "select Count(*) from COMConfig");
        QVERIFY(count.IsValid());
        QVERIFY(count.Next());
        QCOMPARE(count.Value(0).toInt(), 0);
        QCOMPARE(count.Text(0), QStringLiteral("0"));
    }

    void addedRowsKeepTheirTextAndNumbersStayNumbers()
    {
        CTestDatabase db;
        QVERIFY(RunStatement(db.Store(), InsertInto(Tbl::CoorEdit, {Col::ID, Col::SN, Col::NCOOR}),
                             {"7", "P1", "3456789.100"}));
        QCOMPARE(db.Rows("select ID, SN, NCOOR, ZCOOR from CoorEdit"), QStringList({"7|P1|3456789.100|"}));
        // ID compares as a number, without quotes
        QCOMPARE(db.Rows("select SN from CoorEdit where ID=7"), QStringList({"P1"}));
    }

    void quotedNamesTouchOnlyTheirOwnRows()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit(ID,SN) values(1,'O''Brien')", "insert into CoorEdit(ID,SN) values(2,'O')",
                "insert into CoorEdit(ID,SN) values(3,'Brien')"});
        const QString deleteByName = Sql("delete from %1 where %2=?", {Tbl::CoorEdit, Col::SN});
        QVERIFY(RunStatement(db.Store(), deleteByName, {"O'Brien"}));
        QCOMPARE(db.Rows("select SN from CoorEdit"), QStringList({"O", "Brien"}));

        // A name built to widen the statement matches nothing.
        QVERIFY(RunStatement(db.Store(), deleteByName, {"x' or '1'='1"}));
        QCOMPARE(db.Count("CoorEdit"), 2);
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void tableNamesInsideLiteralsStayAsTyped()
    {
        CTestDatabase db;
        // Names are quoted where the statement is built; values that spell a table name stay values.
        QVERIFY(RunStatement(db.Store(), InsertInto(Tbl::Meas740, {Col::ID, Col::SN, Col::NOTES}),
                             {1, "740Meas", "from 520SurLine"}));
        QCOMPARE(db.Rows(Sql("select %1, %2 from %3 where %1='740Meas'", {Col::SN, Col::NOTES, Tbl::Meas740})),
                 QStringList({"740Meas|from 520SurLine"}));
        QCOMPARE(Sql("delete from %1 where %2=3", {Tbl::SurLine520, Col::ID}),
                 QStringLiteral("delete from \"520SurLine\" where \"ID\"=3"));
    }

    void failuresShowTheEngineTextAndTheProgramGoesOn()
    {
        CTestDatabase db;
        QVERIFY(!RunStatement(db.Store(), "delete from NoSuchTable"));
        QCOMPARE(db.Reporter().TakeMessages(), QStringList({"no such table: NoSuchTable"}));

        CStatement missing(db.Store(), "select * from NoSuchTable");
        QVERIFY(!missing.IsValid());
        QVERIFY(!missing.Next());
        QCOMPARE(missing.Text(Col::SN), QString());
        QCOMPARE(db.Reporter().TakeMessages(), QStringList({"no such table: NoSuchTable"}));

        QVERIFY(RunStatement(db.Store(), "delete from CoorEdit"));
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void connectFailureIsToldOnceWithTheEngineText()
    {
        QTemporaryDir dir;
        CRecordingReporter reporter;
        CProjectStore store(dir.filePath("no/such/folder/x.db"), &reporter);
        QVERIFY(!store.Connect());
        const QStringList messages = reporter.TakeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().startsWith("Failed To Connect Database!\r\nError Message:"));
        QVERIFY(messages.first().size() > QStringLiteral("Failed To Connect Database!\r\nError Message:").size());

        // Later statements fail with a message of their own; no second connect message.
        QVERIFY(!RunStatement(store, "delete from CoorEdit"));
        const QStringList later = reporter.TakeMessages();
        QCOMPARE(later.size(), 1);
        QVERIFY(!later.first().startsWith("Failed To Connect"));
        store.Disconnect();
    }

    void fileThatIsNoDatabaseFailsToConnect()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("junk.db");
        QFile junk(path);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        CRecordingReporter reporter;
        CProjectStore store(path, &reporter);
        QVERIFY(!store.Connect());
        QVERIFY(reporter.Messages().value(0).startsWith("Failed To Connect Database!"));
        store.Disconnect();
    }

    void statementWalksForwardToItsEnd()
    {
        CTestDatabase db;
        db.Run({"insert into CodeEdit(ID,SN,CODE) values(1,'1','A')", "insert into CodeEdit(ID,SN,CODE) values(2,'2',NULL)"});
        CStatement rows(db.Store(), "select * from CodeEdit");
        QVERIFY(rows.Next());
        QCOMPARE(rows.Text(Col::CODE), QStringLiteral("A"));
        QVERIFY(rows.Next());
        QCOMPARE(rows.Text(rows.ColumnIndex("code")), QString()); // a null reads as the empty text
        QCOMPARE(rows.Text(0), QStringLiteral("2"));
        QVERIFY(!rows.Next());
        QVERIFY(!rows.Next());
        QVERIFY(!rows.Failed());
        // A new statement reads from the start again.
        CStatement again(db.Store(), "select * from CodeEdit");
        QVERIFY(again.Next());
        QCOMPARE(again.Text(Col::SN), QStringLiteral("1"));
    }

    void transactionCommitsOrLeavesTheOldRows()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit(ID,SN) values(1,'OLD')"});
        {
            CTransaction tx(db.Store());
            QVERIFY(tx.IsActive());
            RunStatement(db.Store(), "delete from CoorEdit");
            RunStatement(db.Store(), "insert into CoorEdit(ID,SN) values(1,'NEW')");
            // not committed
        }
        QCOMPARE(db.Rows("select SN from CoorEdit"), QStringList({"OLD"}));
        {
            CTransaction tx(db.Store());
            RunStatement(db.Store(), "delete from CoorEdit");
            {
                CTransaction inner(db.Store());
                RunStatement(db.Store(), "insert into CoorEdit(ID,SN) values(1,'INNER')");
                inner.Rollback();
            }
            RunStatement(db.Store(), "insert into CoorEdit(ID,SN) values(1,'NEW')");
            QVERIFY(tx.Commit());
        }
        QCOMPARE(db.Rows("select SN from CoorEdit"), QStringList({"NEW"}));
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void twoThreadsWritingAtOnceLoseNoRow()
    {
        // Under Wine this ends in a crash inside Qt Core.
        if (RunningUnderWine())
            QSKIP("needs the file locks of a real Windows");
        CTestDatabase db;
        constexpr int perThread = 400;
        auto writer = [&db](const QString& prefix, bool inTransaction) {
            for (int i = 0; i < perThread; ++i)
            {
                std::unique_ptr<CTransaction> tx;
                if (inTransaction)
                    tx = std::make_unique<CTransaction>(db.Store());
                RunStatement(db.Store(), InsertInto(Tbl::CoorEdit, {Col::ID, Col::SN}),
                             {QString::number(i + 1), prefix + QString::number(i)});
                if (tx)
                    tx->Commit();
            }
            db.Store().Disconnect();
        };
        std::thread first(writer, QStringLiteral("A"), false);
        std::thread second(writer, QStringLiteral("B"), true);
        first.join();
        second.join();
        QCOMPARE(db.Count("CoorEdit"), 2 * perThread);
        QCOMPARE(db.Rows("select count(distinct SN) from CoorEdit"), QStringList({QString::number(2 * perThread)}));
        QVERIFY2(db.Reporter().Messages().isEmpty(), qPrintable(db.Reporter().Messages().join('\n')));
    }

    void statementsOfOneThreadAreIndependent()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit(ID,SN) values(1,'P1')", "insert into CodeEdit(ID,SN) values(1,'C1')"});
        CStatement coordinates(db.Store(), "select * from CoorEdit");
        CStatement codes(db.Store(), "select * from CodeEdit");
        QVERIFY(coordinates.Next());
        QVERIFY(codes.Next());
        QCOMPARE(coordinates.Text(Col::SN), QStringLiteral("P1"));
        QCOMPARE(codes.Text(Col::SN), QStringLiteral("C1"));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
