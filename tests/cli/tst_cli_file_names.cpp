#include "cli_runner.h"
#include "test_database.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// A file name in bytes the file-name encoding (UTF-8) cannot read, such as a GBK name from an
// older Chinese system, reaches the program as another name. It is refused with a message
// that spells the bytes out; no project is opened and no file is written under another name.
class TestCliFileNames : public QObject
{
    Q_OBJECT

private:
    // Runs merion-cli with words given as raw bytes, as a shell passes them.
    static CliRun RunWithBytes(const QList<QByteArray>& words)
    {
        QProcess process;
        process.setProgram(QStringLiteral(MERION_CLI_PATH));
        const QByteArray program = QFile::encodeName(QStringLiteral(MERION_CLI_PATH));
        process.setChildProcessModifier([&words, &program] {
            std::vector<char*> argv{const_cast<char*>(program.constData())};
            for (const QByteArray& word : words)
                argv.push_back(const_cast<char*>(word.constData()));
            argv.push_back(nullptr);
            ::execv(program.constData(), argv.data());
            ::_exit(127);
        });
        process.start();
        CliRun run;
        if (!process.waitForFinished(30000))
            return run;
        run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }

    static QStringList Entries(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

private slots:
    void gbkNamesAreRefusedNotRenamed()
    {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        // 测试 in GBK: B2 E2 CA D4, which is no UTF-8.
        const QByteArray gbk = "\xb2\xe2\xca\xd4";

        CliRun run = RunWithBytes({"--database", folder + "/" + gbk + ".db", "point", "add", "P1", "1", "2", "3"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.Err().contains(QStringLiteral("\\xb2\\xe2\\xca\\xd4.db")), qPrintable(run.Err()));
        QCOMPARE(Entries(dir.path()), QStringList());

        const QString project = dir.filePath("p.db");
        QCOMPARE(RunCli(project, {"point", "add", "P1", "1", "2", "3"}).exitCode, 0);
        const QStringList before = Entries(dir.path());
        for (const QList<QByteArray>& command :
             QList<QList<QByteArray>>{{"export", "list", folder + "/" + gbk + ".csv", "--kind", "coor"},
                                      {"plot", folder + "/" + gbk + ".png", "--kind", "coor"},
                                      {"import", "coor", folder + "/" + gbk + ".txt"},
                                      {"sdcard", folder, gbk}})
        {
            run = RunWithBytes(QList<QByteArray>{"--database", QFile::encodeName(project)} + command);
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.Err().contains(QStringLiteral("\\xb2\\xe2\\xca\\xd4")), qPrintable(run.Err()));
            QCOMPARE(Entries(dir.path()), before);
        }
        // A name in the file-name encoding is written as ever, the same characters in UTF-8.
        QCOMPARE(RunCli(project, {"export", "list", dir.filePath("测试.csv"), "--kind", "coor"}).exitCode, 0);
        QVERIFY(QFile::exists(dir.filePath("测试.csv")));
    }
};

QTEST_GUILESS_MAIN(TestCliFileNames)
#include "tst_cli_file_names.moc"
