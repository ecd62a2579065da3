#include "core/store/instance_lock.h"
#include "core/store/project_store.h"
#include "core/store/store_texts.h"
#include "core/store/transaction.h"
#include "recording_reporter.h"
#include "table_rows.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace
{
const char* const AddPoint = "insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (?,'T',?,'1','2','3','')";
} // namespace

// The project file as the file system sees it while the program uses it: deleted, replaced,
// reached under other names.
class TestStoreFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QStringList Rescued(const QString& stem) const
    {
        QStringList files;
        for (const QString& name : QDir(m_dir.path()).entryList({stem + "-rescued-*.db"}, QDir::Files, QDir::Name))
            files << m_dir.filePath(name);
        return files;
    }
    static QStringList Names(const QString& database)
    {
        CRecordingReporter reporter;
        CProjectStore store(database, &reporter);
        store.Connect();
        const QStringList names = TableRows(store, "select SN from CoorEdit order by ID");
        store.Disconnect();
        return names;
    }

private slots:
    // A change made after the file was deleted (as a desktop edit would be) is refused with a
    // word; what the file held is saved beside it, once, however often the user tries.
    void aDeletedFileRefusesChangesAndKeepsWhatItHeld()
    {
        const QString path = Path("gone.db");
        CRecordingReporter reporter;
        CProjectStore store(path, &reporter);
        QVERIFY(store.Connect());
        QVERIFY(RunStatement(store, AddPoint, {1, "A"}));
        QVERIFY(RunStatement(store, AddPoint, {2, "B"}));
        QVERIFY(QFile::remove(path));

        QVERIFY(!RunStatement(store, AddPoint, {3, "C"}));
        QCOMPARE(Rescued("gone").size(), 1);
        const QString rescued = Rescued("gone").first();
        QCOMPARE(reporter.TakeMessages(), QStringList{StoreTexts::FileMoved.Arg(path, rescued)});
        {
            CTransaction again(store);
            QVERIFY(!again.IsActive());
        }
        QCOMPARE(reporter.TakeMessages(), QStringList{StoreTexts::FileMoved.Arg(path, rescued)});
        QCOMPARE(Rescued("gone").size(), 1);
        store.Disconnect();
        QCOMPARE(Names(rescued), (QStringList{"A", "B"}));
        QVERIFY(!QFile::exists(path));
    }

    // Another file put in its place while a transaction runs (a copy restored over it): the
    // commit is not claimed, its rows are saved beside, and the new file stays as it came.
    void aFileReplacedDuringATransactionKeepsTheCommitBeside()
    {
        const QString path = Path("replaced.db");
        const QString other = Path("other.db");
        {
            CRecordingReporter reporter;
            CProjectStore store(other, &reporter);
            QVERIFY(store.Connect());
            QVERIFY(RunStatement(store, AddPoint, {1, "OTHER"}));
            store.Disconnect();
        }
        CRecordingReporter reporter;
        CProjectStore store(path, &reporter);
        QVERIFY(store.Connect());
        QVERIFY(RunStatement(store, AddPoint, {1, "A"}));
        {
            CTransaction transaction(store);
            QVERIFY(transaction.IsActive());
            QVERIFY(RunStatement(store, AddPoint, {2, "NEW"}));
            QVERIFY(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()) == 0);
            QVERIFY(!transaction.Commit());
        }
        QCOMPARE(Rescued("replaced").size(), 1);
        const QString rescued = Rescued("replaced").first();
        QCOMPARE(reporter.TakeMessages(), QStringList{StoreTexts::FileMoved.Arg(path, rescued)});
        store.Disconnect();
        QCOMPARE(Names(rescued), (QStringList{"A", "NEW"}));
        // The file put in its place takes nothing of the journal the replaced one left.
        QCOMPARE(Names(path), QStringList{"OTHER"});
    }

    // One project under several names is one project for the single-instance lock.
    void theInstanceLockFollowsTheFileNotItsName()
    {
        const QString path = Path("locked.db");
        CInstanceLock first(path);
        QVERIFY(first.TryLock());
        QVERIFY(QFile::exists(path)); // made empty, so that its name can be followed
        QVERIFY(QFile::link(path, Path("symbolic.db")));
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(Path("hard.db")).constData()), 0);
        for (const char* name : {"locked.db", "symbolic.db", "hard.db"})
        {
            CInstanceLock second(Path(name));
            QVERIFY2(!second.TryLock(), name);
        }
        CInstanceLock elsewhere(Path("another.db"));
        QVERIFY(elsewhere.TryLock());
    }
};

QTEST_GUILESS_MAIN(TestStoreFile)
#include "tst_store_file.moc"
#include "core/store/statement.h"
