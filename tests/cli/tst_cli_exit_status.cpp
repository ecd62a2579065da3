#include "core/files/files_texts.h"
#include "core/plan/plan_texts.h"
#include "cli_runner.h"
#include "test_database.h"

#include <QFile>
#include <QTest>

// merion-cli's exit status follows how the operation ended, not how loud its messages were:
// a warning on the way can end in failure, a note can end in success, and a table that
// cannot be read fails every command that reads it, whatever else it printed.
class TestCliExitStatus : public QObject
{
    Q_OBJECT

private:
    static CliRun Cli(CTestDatabase& db, const QStringList& arguments) { return RunCli(db.Path(), arguments); }

private slots:
    void fullSdCardJobIsWrittenButFails()
    {
        CTestDatabase db;
        db.Run({QStringLiteral("insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) "
                               "with recursive n(i) as (select 1 union all select i+1 from n where i<3000) "
                               "select i,'Import_Data','P'||i,'1','2','3','' from n")});
        const CliRun result = Cli(db, {"sdcard", db.FilePath(""), "card"});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.Err(), QStringLiteral("Memory Full,Max Records is 2999!\nMemory Full,Max Records is 2999!\nSuccess!\n"));
        QVERIFY(QFile::exists(db.FilePath("card/JOB1.DAT")));
        QVERIFY(QFile::exists(db.FilePath("card/JOB1.INX")));
    }

    void noteOfFinishedWorkSucceeds()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (1,'a','P1','100','200','10','')",
                "insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (2,'a','P2','north','200','10','')"});
        const CliRun result = Cli(db, {"export", "dxf", db.FilePath("p.dxf"), "--kind", "coor"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.Err(), PlanTexts::SkippedPoints.Counted(1) + '\n');
        QVERIFY(QFile::exists(db.FilePath("p.dxf")));
    }

    void refusedImportsFail()
    {
        CTestDatabase db;
        QFile binary(db.FilePath("binary.txt"));
        QVERIFY(binary.open(QIODevice::WriteOnly));
        binary.write(QByteArray("P1,1,2,3\r\n\0\0\0", 13));
        binary.close();
        CliRun result = Cli(db, {"import", "coor", binary.fileName()});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.Err(), FilesTexts::BinaryFile + '\n');

        QFile empty(db.FilePath("empty.txt"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        result = Cli(db, {"import", "code", empty.fileName()});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.Err(), FilesTexts::NoRecords + '\n');
    }

    void unreadableTableFailsEveryReader()
    {
        CTestDatabase db;
        // Views over a table that is gone: the tables exist, every read of them fails.
        db.Run({"drop table CoorEdit", "create table Gone (x)", "create view CoorEdit as select * from Gone",
                "drop table COMConfig", "create view COMConfig as select * from Gone", "drop table Gone"});
        const QList<QStringList> commands = {{"show", "coor"},
                                             {"settings"},
                                             {"export", "list", db.FilePath("l.csv"), "--kind", "coor"},
                                             {"export", "dxf", db.FilePath("p.dxf"), "--kind", "coor"},
                                             {"plot", db.FilePath("p.png"), "--kind", "coor"},
                                             {"sdcard", db.FilePath(""), "card"}};
        for (const QStringList& command : commands)
        {
            const CliRun result = Cli(db, command);
            QVERIFY2(result.exitCode == 1, qPrintable(command.join(' ')));
            // The store's one message, and no word of success after it.
            QVERIFY2(result.Err().count('\n') == 1, qPrintable(command.join(' ') + ": " + result.Err()));
        }
        // Nothing is written from a list that could not be read.
        for (const char* name : {"l.csv", "p.dxf", "p.png", "card"})
            QVERIFY2(!QFile::exists(db.FilePath(name)), name);
    }
};

QTEST_GUILESS_MAIN(TestCliExitStatus)
#include "tst_cli_exit_status.moc"
