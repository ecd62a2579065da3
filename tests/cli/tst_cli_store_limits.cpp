#include "cli_runner.h"
#include "core/store/store_texts.h"
#include "restricted_folder.h"
#include "written_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{
constexpr QFile::Permissions Everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                        | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
                                        | QFile::ExeOther;
constexpr QFile::Permissions ReadAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                            | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions ReadOnlyFile = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

// merion-cli as a user whom permission bits bind: as root it runs as nobody.
CliRun RunCliAsUser(const QString& database, const QStringList& words)
{
    QProcess process;
    QStringList arguments = {"--database", database};
    arguments << words;
    if (RunningAsRoot())
    {
        arguments.prepend(QStringLiteral(MERION_CLI_PATH));
        arguments = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups"} + arguments;
        process.start("setpriv", arguments);
    }
    else
        process.start(QStringLiteral(MERION_CLI_PATH), arguments);
    CliRun run;
    if (process.waitForFinished(60000))
    {
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
    }
    return run;
}
} // namespace

// merion-cli on a project it may read but not write, and on a full disk.
class TestCliStoreLimits : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_base;

    // A project with two points in a folder of its own, open to every user.
    QString MakeProject(const QString& name)
    {
        const QString folder = m_base.filePath(name);
        QDir().mkpath(folder);
        QFile::setPermissions(folder, Everyone);
        const QString database = QDir(folder).filePath("a.db");
        const CliRun import = RunCli(database, {"import", "coor", WriteFile(m_base.filePath("two.txt"), "A,1,2,3,X\r\nB,4,5,6,Y\r\n")});
        if (import.exitCode != 0)
            QTest::qFail("the project could not be made", __FILE__, __LINE__);
        QFile::setPermissions(database, Everyone & ~(QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
        return database;
    }

    void CheckReadOnly(const QString& database, const QString& reason)
    {
        const CliRun show = RunCliAsUser(database, {"show", "coor"});
        QCOMPARE(show.Err(), QString());
        QCOMPARE(show.exitCode, 0);
        QCOMPARE(show.Out().count('\n'), 3);
        QVERIFY(show.Out().contains("\tA\t1\t2\t3\tX\n"));

        const QString out = m_base.filePath("out");
        QDir().mkpath(out);
        QFile::setPermissions(out, Everyone);
        const QString list = QDir(out).filePath(QFileInfo(database).dir().dirName() + ".csv");
        const CliRun exported = RunCliAsUser(database, {"export", "list", list, "--kind", "coor"});
        QCOMPARE(exported.exitCode, 0);
        QVERIFY(QFile::exists(list));

        const QString refusal = StoreTexts::ReadOnly.Arg(reason) + "\n";
        for (const QStringList& write : {QStringList{"point", "add", "C", "1", "2", "3"}, QStringList{"point", "delete", "A"},
                                         QStringList{"import", "coor", m_base.filePath("two.txt")}})
        {
            const CliRun refused = RunCliAsUser(database, write);
            QCOMPARE(refused.exitCode, 1);
            QCOMPARE(refused.Err(), refusal);
        }
        QCOMPARE(RunCliAsUser(database, {"show", "coor"}).out, show.out);
    }

private slots:
    void initTestCase() { QFile::setPermissions(m_base.path(), Everyone); }

    void readOnlyFolderAndFileAreShownButNeverChanged()
    {
        const QString inFolder = MakeProject("folder");
        QVERIFY(QFile::setPermissions(QFileInfo(inFolder).path(), ReadAndEnter));
        CheckReadOnly(inFolder, StoreTexts::FolderReadOnly);
        QFile::setPermissions(QFileInfo(inFolder).path(), Everyone);

        const QString readOnlyFile = MakeProject("file");
        QVERIFY(QFile::setPermissions(readOnlyFile, ReadOnlyFile));
        CheckReadOnly(readOnlyFile, StoreTexts::FileReadOnly);
    }

    void fullDiskIsToldOnceKeepsTheRowsAndStillReads()
    {
        const QString mountPoint = m_base.filePath("disk");
        QDir().mkpath(mountPoint);
        CSmallDisk disk(mountPoint, 1024);
        if (!disk.IsReady())
            QSKIP("a small disk needs root to mount it");
        const QString database = QDir(mountPoint).filePath("a.db");
        QCOMPARE(RunCli(database, {"import", "coor", WriteFile(m_base.filePath("two.txt"), "A,1,2,3,X\r\nB,4,5,6,Y\r\n")}).exitCode, 0);
        const QByteArray before = RunCli(database, {"show", "coor"}).out;
        QVERIFY(disk.Fill());

        const CliRun import = RunCli(database, {"import", "coor", WriteFile(m_base.filePath("many.txt"), ManyPoints(20000))});
        QCOMPARE(import.exitCode, 1);
        QCOMPARE(import.Err(), StoreTexts::DiskFull + "\n");
        const CliRun add = RunCli(database, {"point", "add", "C", "1", "2", "3"});
        QCOMPARE(add.exitCode, 1);
        QCOMPARE(add.err.count('\n'), 1);

        // A new process still reads the project on the full disk.
        const CliRun show = RunCli(database, {"show", "coor"});
        QCOMPARE(show.exitCode, 0);
        QCOMPARE(show.out, before);
    }
};

QTEST_MAIN(TestCliStoreLimits)
#include "tst_cli_store_limits.moc"
