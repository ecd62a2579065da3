#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "recording_reporter.h"
#include "table_rows.h"
#include "under_wine.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// A store pointed at another project database: the desktop program opens another project
// without a restart, through the one store every window holds.
class TestStoreReopen : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;

    static void CheckWorkerReads(CProjectStore& store, const QStringList& expected)
    {
        QStringList seenByWorker;
        QThread* worker = QThread::create([&store, &seenByWorker] {
            seenByWorker = TableRows(store, QStringLiteral("select CODE from CodeEdit"));
            store.Disconnect();
        });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QCOMPARE(seenByWorker, expected);
    }

private slots:
    void statementsGoToTheReopenedFileOnly()
    {
        const QString first = m_dir.filePath(QStringLiteral("first.db"));
        const QString second = m_dir.filePath(QStringLiteral("second.db"));
        CProjectStore store(first, &m_reporter);
        QVERIFY(store.Connect());
        QVERIFY(RunStatement(store, QStringLiteral("insert into CodeEdit(ID,ATTR,SN,CODE) values(1,'x','1','OLD')")));
        QVERIFY(store.HasWritten());

        store.Reopen(second);
        QCOMPARE(store.DatabasePath(), second);
        // Nothing written to the new project yet; its tables are made on first use.
        QVERIFY(!store.HasWritten());
        QCOMPARE(TableRows(store, QStringLiteral("select CODE from CodeEdit")), QStringList());
        QVERIFY(RunStatement(store, QStringLiteral("insert into CodeEdit(ID,ATTR,SN,CODE) values(1,'x','1','NEW')")));

        // Another thread's connection opens the reopened file too (under Wine this can hang).
        if (!RunningUnderWine())
            CheckWorkerReads(store, QStringList{"NEW"});
        if (QTest::currentTestFailed())
            return;
        store.Disconnect();

        CProjectStore old(first, &m_reporter);
        QCOMPARE(TableRows(old, QStringLiteral("select CODE from CodeEdit")), QStringList{"OLD"});
        old.Disconnect();
        QCOMPARE(m_reporter.Messages(), QStringList());
    }

    void reopeningTheSameFileReadsWhatWasWritten()
    {
        const QString path = m_dir.filePath(QStringLiteral("same.db"));
        CProjectStore store(path, &m_reporter);
        QVERIFY(RunStatement(store, QStringLiteral("insert into CodeEdit(ID,ATTR,SN,CODE) values(1,'x','1','KEPT')")));
        store.Reopen(path);
        QCOMPARE(TableRows(store, QStringLiteral("select CODE from CodeEdit")), QStringList{"KEPT"});
        store.Disconnect();
    }
};

QTEST_GUILESS_MAIN(TestStoreReopen)
#include "tst_store_reopen.moc"
