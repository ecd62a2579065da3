#include "core/store/project_store.h"
#include "core/store/record_set.h"
#include "core/store/schema.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "test_database.h"

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
            QVERIFY(store.ExecuteSql("insert into 740Meas(ID,SN) values(1,'A')"));
            store.Disconnect();
        }
        CProjectStore again(path, &reporter);
        QVERIFY(again.Connect());
        QCOMPARE(again.GetRecordSet("select SN from 740Meas")->GetText(0), QStringLiteral("A"));
        again.Disconnect();
        QVERIFY(reporter.Messages().isEmpty());
    }

    void alignmentSortsByChainageValue()
    {
        CTestDatabase db;
        auto rows = db.Store().GetRecordSet("select * from 520SurLine");
        for (const char* start : {"100", "10", "9.5"})
        {
            rows->AddNew();
            rows->SetValue("ID", "1");
            rows->SetValue("STARTDIST", start);
            QVERIFY(rows->Update());
        }
        auto sorted = db.Store().GetRecordSet("select * from 520SurLine order by STARTDIST ASC");
        QStringList order;
        for (; !sorted->IsEOF(); sorted->MoveNext())
            order << sorted->GetText("STARTDIST");
        QCOMPARE(order, QStringList({"9.5", "10", "100"}));
    }

    void countOfEmptyTableIsZeroAtPositionZero()
    {
        CTestDatabase db;
        auto count = db.Store().GetRecordSet("select Count(*) from COMConfig");
        QVERIFY(count->IsValid());
        QVERIFY(!count->IsEOF());
        QCOMPARE(count->GetValue(0).toInt(), 0);
        QCOMPARE(count->GetText(0), QStringLiteral("0"));
    }

    void addedRowsKeepTheirTextAndNumbersStayNumbers()
    {
        CTestDatabase db;
        auto rows = db.Store().GetRecordSet("select * from CoorEdit");
        rows->AddNew();
        rows->SetValue("ID", "7");
        rows->SetValue("SN", "P1");
        rows->SetValue("NCOOR", "3456789.100");
        QVERIFY(rows->Update());
        QCOMPARE(db.Rows("select ID, SN, NCOOR, ZCOOR from CoorEdit"), QStringList({"7|P1|3456789.100|"}));
        // ID compares as a number, without quotes
        QCOMPARE(db.Rows("select SN from CoorEdit where ID=7"), QStringList({"P1"}));
    }

    void quotedNamesTouchOnlyTheirOwnRows()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit(ID,SN) values(1,'O''Brien')", "insert into CoorEdit(ID,SN) values(2,'O')",
                "insert into CoorEdit(ID,SN) values(3,'Brien')"});
        QVERIFY(db.Store().ExecuteSql("delete from CoorEdit where SN=" + SqlText("O'Brien")));
        QCOMPARE(db.Rows("select SN from CoorEdit"), QStringList({"O", "Brien"}));

        // A name built to widen the statement matches nothing.
        QVERIFY(db.Store().ExecuteSql("delete from CoorEdit where SN=" + SqlText("x' or '1'='1")));
        QCOMPARE(db.Count("CoorEdit"), 2);
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void tableNamesInsideLiteralsStayAsTyped()
    {
        CTestDatabase db;
        QVERIFY(db.Store().ExecuteSql("insert into 740Meas(ID,SN,NOTES) values(1,'740Meas','from 520SurLine')"));
        QCOMPARE(db.Rows("select SN, NOTES from 740Meas where SN='740Meas'"),
                 QStringList({"740Meas|from 520SurLine"}));
        QCOMPARE(AdaptStatement("delete from 520SurLine where ID=3"),
                 QStringLiteral("delete from \"520SurLine\" where ID=3"));
    }

    void failuresShowTheEngineTextAndTheProgramGoesOn()
    {
        CTestDatabase db;
        QVERIFY(!db.Store().ExecuteSql("delete from NoSuchTable"));
        QCOMPARE(db.Reporter().TakeMessages(), QStringList({"no such table: NoSuchTable"}));

        auto missing = db.Store().GetRecordSet("select * from NoSuchTable");
        QVERIFY(!missing->IsValid());
        QVERIFY(missing->IsEOF());
        QCOMPARE(missing->GetText("SN"), QString());
        QCOMPARE(db.Reporter().TakeMessages(), QStringList({"no such table: NoSuchTable"}));

        QVERIFY(db.Store().ExecuteSql("delete from CoorEdit"));
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
        QVERIFY(!store.ExecuteSql("delete from CoorEdit"));
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

    void recordSetWalksAndStartsAgain()
    {
        CTestDatabase db;
        db.Run({"insert into CodeEdit(ID,SN,CODE) values(1,'1','A')", "insert into CodeEdit(ID,SN,CODE) values(2,'2',NULL)"});
        auto rows = db.Store().GetRecordSet("select * from CodeEdit");
        QCOMPARE(rows->GetText("CODE"), QStringLiteral("A"));
        rows->MoveNext();
        QCOMPARE(rows->GetText("code"), QString()); // a null reads as the empty text
        QCOMPARE(rows->GetText(0), QStringLiteral("2"));
        rows->MoveNext();
        QVERIFY(rows->IsEOF());
        rows->MoveNext();
        QVERIFY(rows->IsEOF());
        rows->MoveFirst();
        QCOMPARE(rows->GetText("SN"), QStringLiteral("1"));
    }

    void transactionCommitsOrLeavesTheOldRows()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit(ID,SN) values(1,'OLD')"});
        {
            CTransaction tx(db.Store());
            QVERIFY(tx.IsActive());
            db.Store().ExecuteSql("delete from CoorEdit");
            db.Store().ExecuteSql("insert into CoorEdit(ID,SN) values(1,'NEW')");
            // not committed
        }
        QCOMPARE(db.Rows("select SN from CoorEdit"), QStringList({"OLD"}));
        {
            CTransaction tx(db.Store());
            db.Store().ExecuteSql("delete from CoorEdit");
            {
                CTransaction inner(db.Store());
                db.Store().ExecuteSql("insert into CoorEdit(ID,SN) values(1,'INNER')");
                inner.Rollback();
            }
            db.Store().ExecuteSql("insert into CoorEdit(ID,SN) values(1,'NEW')");
            QVERIFY(tx.Commit());
        }
        QCOMPARE(db.Rows("select SN from CoorEdit"), QStringList({"NEW"}));
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void twoThreadsWritingAtOnceLoseNoRow()
    {
        CTestDatabase db;
        constexpr int perThread = 400;
        auto writer = [&db](const QString& prefix, bool inTransaction) {
            for (int i = 0; i < perThread; ++i)
            {
                std::unique_ptr<CTransaction> tx;
                if (inTransaction)
                    tx = std::make_unique<CTransaction>(db.Store());
                auto rows = db.Store().GetRecordSet("select * from CoorEdit");
                rows->AddNew();
                rows->SetValue("ID", QString::number(i + 1));
                rows->SetValue("SN", prefix + QString::number(i));
                rows->Update();
                rows.reset();
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

    void recordSetsOfOneThreadAreIndependent()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit(ID,SN) values(1,'P1')", "insert into CodeEdit(ID,SN) values(1,'C1')"});
        auto coordinates = db.Store().GetRecordSet("select * from CoorEdit");
        auto codes = db.Store().GetRecordSet("select * from CodeEdit");
        QCOMPARE(coordinates->GetText("SN"), QStringLiteral("P1"));
        QCOMPARE(codes->GetText("SN"), QStringLiteral("C1"));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
