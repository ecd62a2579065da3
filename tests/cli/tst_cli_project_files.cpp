#include "cli_runner.h"
#include "core/files/files_texts.h"
#include "file_bytes.h"
#include "test_database.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <unistd.h>

// No file the user names may be one of the project's own: the database, SQLite's -wal, -shm
// and -journal beside it, and the desktop program's lock. Each is refused by every command
// that reads or writes a file, by identity (a link reaches the same file) or by where a path
// leads when the file does not exist yet, and before anything opens it.
class TestCliProjectFiles : public QObject
{
    Q_OBJECT

private:
    // Every command that names a file, with the file put where PATH stands.
    static QList<QStringList> CommandsWriting(const QString& path)
    {
        return {
            {"export", "list", path, "--kind", "coor"},
            {"export", "file", path, "--kind", "coor"},
            {"export", "data", path, "--kind", "coor"},
            {"export", "dxf", path, "--kind", "coor"},
            {"export", "angle", path},
            {"export", "full", path, "--kind", "meas"},
            {"import", "coor", path},
            {"import", "t5", path},
            {"download", "--instrument", "t5", "--raw", path, "--device", "/nonexistent/tty"},
        };
    }

    // The project with one point, its journal written back into the database file.
    static void Seed(CTestDatabase& db)
    {
        QCOMPARE(RunCli(db.Path(), {"point", "add", "P1", "1", "2", "3", "TREE"}).exitCode, 0);
    }

    // The database's size and time of change, asked without opening it: reading it here would
    // drop this process's own locks on it.
    static QString Fingerprint(const QString& path)
    {
        const QFileInfo file(path);
        return QStringLiteral("%1 %2").arg(file.size()).arg(file.lastModified().toMSecsSinceEpoch());
    }

    static void ExpectRefused(CTestDatabase& db, const QStringList& command, const QString& shownPath,
                              const QString& databaseBefore)
    {
        const CliRun run = RunCli(db.Path(), command);
        QVERIFY2(run.exitCode == 1, qPrintable(command.join(' ') + QStringLiteral(" → ") + run.Err()));
        QCOMPARE(run.Err(), FilesTexts::ProjectFile.Arg(shownPath) + '\n');
        QCOMPARE(Fingerprint(db.Path()), databaseBefore);
    }

private slots:
    void everyCommandRefusesTheDatabaseAndItsCompanions()
    {
        CTestDatabase db;
        Seed(db);
        db.Store().Disconnect(); // nothing of this process holds the file: the commands alone touch it
        QVERIFY(FileBytes(db.Path()).startsWith("SQLite format 3"));
        const QString before = Fingerprint(db.Path());
        for (const QStringList& command : CommandsWriting(db.Path()))
            ExpectRefused(db, command, db.Path(), before);
        // The companions do not exist between runs: each is refused by the path it would have,
        // by a writer and by a reader in turn.
        int next = 0;
        for (const char* suffix : {"-wal", "-shm", "-journal", ".lock"})
        {
            const QString path = db.Path() + QLatin1String(suffix);
            for (int i = 0; i < 2; ++i)
                ExpectRefused(db, CommandsWriting(path)[next++ % CommandsWriting(path).size()], path, before);
            QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
        }
        // A plot's name must end in an image type, so the database is reached as a link.
        const QString picture = db.FilePath("plan.png");
        QVERIFY(QFile::link(db.Path(), picture));
        ExpectRefused(db, {"plot", picture, "--kind", "coor"}, picture, before);
        // The SD-card folder would take the journal's name and keep SQLite from making it.
        const QString parent = QFileInfo(db.Path()).absolutePath();
        const QString journal = QFileInfo(db.Path()).fileName() + "-journal";
        ExpectRefused(db, {"sdcard", parent, journal}, QDir(parent).filePath(journal), before);
        QVERIFY(!QFileInfo::exists(QDir(parent).filePath(journal)));
        QCOMPARE(RunCli(db.Path(), {"show", "coor"}).Out().count('\n'), 2);
    }

    void linksAndOtherSpellingsReachTheSameFile()
    {
        CTestDatabase db;
        Seed(db);
        // This process keeps the project open: its -wal and -shm exist and are found by identity.
        QCOMPARE(db.Count("CoorEdit"), 1);
        QVERIFY(QFileInfo::exists(db.Path() + "-wal"));
        const QString before = Fingerprint(db.Path());
        const QString hardLink = db.FilePath("copy.csv");
        QCOMPARE(::link(QFile::encodeName(db.Path()).constData(), QFile::encodeName(hardLink).constData()), 0);
        const QString walLink = db.FilePath("wal.csv");
        QCOMPARE(::link(QFile::encodeName(db.Path() + "-wal").constData(), QFile::encodeName(walLink).constData()), 0);
        const QString symbolic = db.FilePath("sym.csv");
        QVERIFY(QFile::link(db.Path(), symbolic));
        // A dangling link to where the journal would be made.
        const QString dangling = db.FilePath("later.txt");
        QVERIFY(QFile::link(db.Path() + "-journal", dangling));
        QDir().mkpath(db.FilePath("sub"));
        const QString roundabout = db.FilePath("sub/../") + QFileInfo(db.Path()).fileName();
        int next = 0;
        for (const QString& path : {hardLink, walLink, symbolic, dangling, roundabout})
            for (int i = 0; i < 2; ++i)
                ExpectRefused(db, CommandsWriting(path)[next++ % CommandsWriting(path).size()], path, before);
        QVERIFY(!QFileInfo::exists(db.Path() + "-journal"));
        QCOMPARE(db.Count("CoorEdit"), 1);
        // Another file in the same folder is written as ever.
        QCOMPARE(RunCli(db.Path(), {"export", "list", db.FilePath("fine.csv"), "--kind", "coor"}).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestCliProjectFiles)
#include "tst_cli_project_files.moc"
