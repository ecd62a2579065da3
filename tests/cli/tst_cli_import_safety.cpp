#include "core/files/files_texts.h"
#include "cli_runner.h"
#include "test_database.h"

#include <QFile>
#include <QTest>

// merion-cli import on files that used to lose lines or replace good rows with nothing.
class TestCliImportSafety : public QObject
{
    Q_OBJECT

private:
    static CliRun Cli(CTestDatabase& db, const QStringList& arguments) { return RunCli(db.Path(), arguments); }
    static QString Write(CTestDatabase& db, const QByteArray& bytes)
    {
        QFile file(db.FilePath(QStringLiteral("input.txt")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            QTest::qFail("cannot write the input file", __FILE__, __LINE__);
        return file.fileName();
    }
    static QStringList ShownLines(CTestDatabase& db, const char* kind)
    {
        const CliRun run = Cli(db, {"show", kind});
        return run.Out().split('\n', Qt::SkipEmptyParts).mid(1);
    }

private slots:
    // printf 'P1,1,2,3\n\xb5': the cut-off character keeps its line, as U+FFFD.
    void unfinishedLastCharacterKeepsItsRow()
    {
        CTestDatabase db;
        const CliRun run = Cli(db, {"import", "coor", Write(db, "P1,1,2,3\n\xb5")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.Err(), QString());
        QCOMPARE(ShownLines(db, "coor"), (QStringList{"1\tImport_Data\tP1\t1\t2\t3\t", "2\tImport_Data\t\t0\t0\t0\t"}));

        QCOMPARE(Cli(db, {"import", "code", Write(db, "12,KERB\r\n13,\xb5")}).exitCode, 0);
        QCOMPARE(ShownLines(db, "code"),
                 (QStringList{"1\tImport_Code Data\t12\tKERB", QStringLiteral("2\tImport_Code Data\t13\t\uFFFD")}));
    }

    // Old Mac files end lines with CR alone; mixed files happen too.
    void everyLineEndEndsALine()
    {
        CTestDatabase db;
        QCOMPARE(Cli(db, {"import", "coor", Write(db, "P1,1,2,3,A\rP2,4,5,6,B\nP3,7,8,9,C\r\nP4,1,1,1,D")}).exitCode, 0);
        QCOMPARE(db.Rows("select ID,SN,CODE from CoorEdit order by ID"),
                 (QStringList{"1|P1|A", "2|P2|B", "3|P3|C", "4|P4|D"}));
        QCOMPARE(Cli(db, {"import", "t5", Write(db, "A,P1,1.5,2.5,3,\rA,P2,4,5,6,\r")}).exitCode, 0);
        QCOMPARE(db.Rows("select ID,SN,NCOOR from \"740Meas\" order by ID"), (QStringList{"1|P1|1.5", "2|P2|4"}));
    }

    void garbageIsRefusedAndTheOldRowsStay()
    {
        CTestDatabase db;
        QCOMPARE(Cli(db, {"import", "coor", Write(db, "OLD,1,2,3,X\r\n")}).exitCode, 0);

        QByteArray binary("\x89PNG\r\n\x1a\n");
        binary += QByteArray(16, '\0');
        binary += "IHDR,1,2,3";
        CliRun run = Cli(db, {"import", "coor", Write(db, binary)});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), FilesTexts::BinaryFile + '\n');

        run = Cli(db, {"import", "coor", Write(db, "just some words\r\nand more\r\n")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), FilesTexts::NoRecords + '\n');

        run = Cli(db, {"import", "t8", Write(db, "no job here\r\n")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), FilesTexts::NoRecords + '\n');

        QCOMPARE(db.Rows("select ID,SN,NCOOR,CODE from CoorEdit"), QStringList{"1|OLD|1|X"});
    }
};

QTEST_GUILESS_MAIN(TestCliImportSafety)
#include "tst_cli_import_safety.moc"
