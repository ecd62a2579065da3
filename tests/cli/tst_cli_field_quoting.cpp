#include "cli_runner.h"
#include "core/files/files_texts.h"
#include "file_bytes.h"
#include "test_database.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

// A name may hold a comma, a double quote or a line break (typed with point add, or received).
// A .csv file encloses such a field in double quotes as RFC 4180 has it, doubling the quotes
// inside, so every row reads back as one row of the same columns; a file of fixed columns
// cannot hold one and refuses the row, naming it, and writes nothing.
class TestCliFieldQuoting : public QObject
{
    Q_OBJECT

private:
    static void AddPoints(CTestDatabase& db)
    {
        QCOMPARE(RunCli(db.Path(), {"point", "add", "A,B", "1", "2", "3", "T\"1"}).exitCode, 0);
        QCOMPARE(RunCli(db.Path(), {"point", "add", "L1\nL2", "4", "5", "6"}).exitCode, 0);
        QCOMPARE(RunCli(db.Path(), {"point", "add", "P3", "7", "8", "9", "C"}).exitCode, 0);
    }

private slots:
    void csvQuotesWhatWouldMoveTheColumns()
    {
        CTestDatabase db;
        AddPoints(db);
        // RFC 4180: a field with a comma, quote or line break stands in quotes, a quote inside
        // is doubled; other fields are written as they are. The point list's coordinates are
        // stored with three decimals.
        const QByteArray rows = "\"A,B\",1.000,2.000,3.000,\"T\"\"1\"\r\n"
                                "\"L1\nL2\",4.000,5.000,6.000,\r\n"
                                "P3,7.000,8.000,9.000,C\r\n";
        QCOMPARE(RunCli(db.Path(), {"export", "data", db.FilePath("d.csv"), "--kind", "coor"}).exitCode, 0);
        QCOMPARE(FileBytes(db.FilePath("d.csv")), rows);
        // Format 1 of the output file has the same columns; ".csv" (any case) makes it CSV.
        QCOMPARE(RunCli(db.Path(), {"export", "file", db.FilePath("f.CSV"), "--kind", "coor"}).exitCode, 0);
        QCOMPARE(FileBytes(db.FilePath("f.CSV")), rows);
        // The list export is CSV whatever its name: the header, then ID and origin before each row.
        QCOMPARE(RunCli(db.Path(), {"export", "list", db.FilePath("l.txt"), "--kind", "coor"}).exitCode, 0);
        const QByteArray list = FileBytes(db.FilePath("l.txt"));
        QCOMPARE(list.mid(list.indexOf("\r\n") + 2),
                 QByteArray("1,Manual_Input_Data,\"A,B\",1.000,2.000,3.000,\"T\"\"1\"\r\n"
                            "2,Manual_Input_Data,\"L1\nL2\",4.000,5.000,6.000,\r\n"
                            "3,Manual_Input_Data,P3,7.000,8.000,9.000,C\r\n"));
    }

    void fixedColumnsRefuseTheRowAndKeepTheOldFile()
    {
        CTestDatabase db;
        AddPoints(db);
        const QByteArray old = "old\r\n";
        for (const char* name : {"d.txt", "f.txt", "g.txt"})
        {
            QFile file(db.FilePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        CliRun run = RunCli(db.Path(), {"export", "data", db.FilePath("d.txt"), "--kind", "coor"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), FilesTexts::FieldBreaksColumns(1, "A,B") + '\n');
        QCOMPARE(FileBytes(db.FilePath("d.txt")), old);
        // A tab-separated file takes the comma, but not the line break of the second row.
        run = RunCli(db.Path(), {"export", "file", db.FilePath("f.txt"), "--kind", "coor", "--separator", "tab"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), FilesTexts::FieldBreaksColumns(2, "L1\nL2") + '\n');
        QVERIFY(run.Err().contains("L1\\nL2"));
        QCOMPARE(FileBytes(db.FilePath("f.txt")), old);
        // Blanks separate: a blank inside a field moves the columns, blanks around it do not.
        QCOMPARE(RunCli(db.Path(), {"point", "clear"}).exitCode, 0);
        QCOMPARE(RunCli(db.Path(), {"point", "add", "P 1", "1", "2", "3"}).exitCode, 0);
        run = RunCli(db.Path(), {"export", "file", db.FilePath("g.txt"), "--kind", "coor", "--separator", "space"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), FilesTexts::FieldBreaksColumns(1, "P 1") + '\n');
        QCOMPARE(FileBytes(db.FilePath("g.txt")), old);
    }
};

QTEST_GUILESS_MAIN(TestCliFieldQuoting)
#include "tst_cli_field_quoting.moc"
