#include "cli_runner.h"
#include "recording_reporter.h"
#include "restricted_folder.h"
#include "table_rows.h"
#include "core/store/project_store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace
{
// Adds `count` points P<first>… straight through the engine in one transaction, with the
// journal never written back into the database file.
void CommitIntoJournal(QSqlDatabase& db, int first, int count)
{
    QSqlQuery query(db);
    QVERIFY(query.exec("PRAGMA journal_mode=WAL"));
    QVERIFY(query.exec("PRAGMA wal_autocheckpoint=0"));
    QVERIFY(db.transaction());
    QVERIFY(query.prepare("insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (?,'T',?,'1','2','3','')"));
    for (int i = first; i < first + count; ++i)
    {
        query.addBindValue(i);
        query.addBindValue(QStringLiteral("P%1").arg(i));
        QVERIFY(query.exec());
    }
    QVERIFY(db.commit());
}
} // namespace

// The project file as the file system sees it: a copy that can only be read, a file deleted or
// replaced while a command uses it.
class TestCliProjectFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // A project left with commits in its journal (-wal) and no journal index (-shm), on a
    // medium that cannot be written (a copied stick, a read-only share): every committed row
    // is shown, never the older state of the file alone.
    void aReadOnlyProjectShowsWhatItsJournalCommitted()
    {
        const QString source = m_dir.filePath("source.db");
        {
            CRecordingReporter reporter;
            CProjectStore store(source, &reporter);
            QVERIFY(store.Connect());
            for (int i = 1; i <= 6; ++i)
                QVERIFY(RunStatement(store, "insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (?,'T',?,'1','2','3','')",
                                         {i, QStringLiteral("P%1").arg(i)}));
            store.Disconnect(); // the last connection writes the journal back and removes it
        }
        QVERIFY(!QFile::exists(source + "-wal"));
        const QString folder = m_dir.filePath("stick");
        QVERIFY(QDir().mkpath(folder));
        const QString copy = QDir(folder).filePath("p.db");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "writer");
            db.setDatabaseName(source);
            QVERIFY(db.open());
            CommitIntoJournal(db, 7, 100);
            // Copied while the writer holds them: the file, and the journal with 100 commits.
            QVERIFY(QFile::copy(source, copy));
            QVERIFY(QFile::copy(source + "-wal", copy + "-wal"));
            db.close();
        }
        QSqlDatabase::removeDatabase("writer");
        QVERIFY(!QFile::exists(copy + "-shm"));

        CReadOnlyFolder readOnly(folder);
        if (!readOnly.IsReady())
            QSKIP("this machine cannot make a read-only folder");
        const CliRun show = RunCli(copy, {"show", "coor"});
        QCOMPARE(show.Err(), QString());
        QCOMPARE(show.exitCode, 0);
        const QStringList lines = show.Out().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 106);
        QVERIFY(lines.last().contains("\tP106\t"));
        // A command that writes still says the project is read-only, and nothing beside it changed.
        const CliRun add = RunCli(copy, {"point", "add", "X", "1", "2", "3"});
        QCOMPARE(add.exitCode, 1);
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), (QStringList{"p.db", "p.db-wal"}));
    }

    // The project file deleted while an import is half-way: the command does not claim a
    // success it could not keep. What it wrote, and everything else the project held, is saved
    // beside under a new name, and it says so.
    void aDatabaseDeletedDuringAnImportIsNoticed()
    {
        const QString database = m_dir.filePath("deleted.db");
        QCOMPARE(RunCli(database, {"point", "add", "OLD", "1", "2", "3"}).exitCode, 0);
        const QString pipe = m_dir.filePath("points.fifo");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

        QProcess cli;
        StartCli(cli, database, {"import", "coor", pipe});
        QFile points(pipe);
        QVERIFY(points.open(QIODevice::WriteOnly)); // waits for the import to open it
        const auto write = [&points](int from, int to) {
            for (int i = from; i <= to; ++i)
                points.write(QStringLiteral("P%1,%1.000,2.000,3.000,C\r\n").arg(i).toLatin1());
            points.flush();
        };
        // More than the reader's first look: by now the import stores rows in its transaction.
        write(1, 6000);
        QVERIFY(QFile::remove(database));
        write(6001, 8000);
        points.close();
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 1);

        const QStringList saved = QDir(m_dir.path()).entryList({"deleted-rescued-*.db"}, QDir::Files);
        QCOMPARE(saved.size(), 1);
        const QString rescued = m_dir.filePath(saved.first());
        QCOMPARE(QString::fromUtf8(cli.readAllStandardError()),
                 QStringLiteral("The project database %1 was deleted or replaced while in use: nothing more is "
                                "written to it. Everything this program saw of the project, its last changes "
                                "included, is saved as %2.\n")
                     .arg(database, rescued));
        CRecordingReporter reporter;
        CProjectStore store(rescued, &reporter);
        QVERIFY(store.Connect());
        QCOMPARE(TableRows(store, "select count(*), min(ID), max(ID) from CoorEdit"), QStringList{"8000|1|8000"});
        QCOMPARE(TableRows(store, "select SN from CoorEdit where ID = 8000"), QStringList{"P8000"});
        store.Disconnect();
    }
};

QTEST_GUILESS_MAIN(TestCliProjectFile)
#include "tst_cli_project_file.moc"
#include "core/store/statement.h"
