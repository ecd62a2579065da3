#include "core/files/files_texts.h"
#include "cli_runner.h"
#include "file_bytes.h"
#include "test_database.h"

#include <QDir>
#include <QFile>
#include <QTest>

// merion-cli import, export and sdcard on a temporary project, files compared byte for byte.
class TestCliFiles : public QObject
{
    Q_OBJECT

private:
    static CliRun Cli(CTestDatabase& db, const QStringList& arguments) { return RunCli(db.Path(), arguments); }
    static QString Data(const char* name) { return QStringLiteral(MERION_TEST_DATA "/files/") + name; }
    static QString Write(CTestDatabase& db, const char* name, const QByteArray& bytes)
    {
        QFile file(db.FilePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            QTest::qFail("cannot write the input file", __FILE__, __LINE__);
        return file.fileName();
    }

private slots:
    void importAndShow()
    {
        CTestDatabase db;
        CliRun result = Cli(db, {"import", "coor", Data("roundtrip_format5.txt"), "--format", "5"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.Err(), QString());
        result = Cli(db, {"show", "coor"});
        QCOMPARE(result.Out().split('\n').value(2), QStringLiteral("2\tImport_Data\t测点\t3456789.100\t500123.456\t12.5\tROAD"));

        QCOMPARE(Cli(db, {"import", "code", Write(db, "codes.txt", "12\r\n13,KERB,x\r\n")}).exitCode, 0);
        QCOMPARE(db.Rows("select ID,ATTR,SN,CODE from CodeEdit order by ID"),
                 (QStringList{"1|Import_Code Data|12|", "2|Import_Code Data|13|KERB"}));
    }

    void importJobs()
    {
        CTestDatabase db;
        const QString job = Write(db, "job.txt", "A,P1,1.5,2.5,3,  \r\nD,P2,648000,324000,1.5,X,\r\n");
        for (const char* type : {"t5", "t8"})
        {
            const CliRun result = Cli(db, {"import", type, job});
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(db.Rows("select ID,SN,NCOOR,VA,HA,CODE from \"740Meas\" order by ID"),
                     (QStringList{"1|P1|1.5|||", "2|P2||90.0000|45.0000|X"}));
        }
        QCOMPARE(Cli(db, {"import", "t5", job, "--format", "2"}).exitCode, 2);
    }

    void importVersionTwo()
    {
        CTestDatabase db;
        const QString text = Write(db, "v2.txt", "X,P0,1,2,3,A,\r\nC,P1,100,200,10,TREE,\r\n");
        QCOMPARE(Cli(db, {"import", "v2", text, "--record", "coor"}).exitCode, 0);
        QCOMPARE(db.Rows("select ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE from CoorEdit"),
                 QStringList{"1|T8_V2_COOR|P1|100|200|10|TREE"});
        QCOMPARE(Cli(db, {"import", "v2", text}).exitCode, 2);
        QCOMPARE(Cli(db, {"import", "v2", text, "--record", "points"}).exitCode, 2);
        QCOMPARE(Cli(db, {"import", "coor", text, "--record", "coor"}).exitCode, 2);
    }

    void importFailures()
    {
        CTestDatabase db;
        const CliRun missing = Cli(db, {"import", "coor", db.FilePath("absent.txt")});
        QCOMPARE(missing.exitCode, 1);
        QCOMPARE(missing.Err(), FilesTexts::OpenFileFailed + '\n');
        QCOMPARE(Cli(db, {"import", "coor", Data("gbk_points.txt"), "--format", "9"}).exitCode, 2);
        QCOMPARE(Cli(db, {"import", "code", Data("gbk_points.txt"), "--format", "1"}).exitCode, 2);
        QCOMPARE(Cli(db, {"import", "points", Data("gbk_points.txt")}).exitCode, 2);
        QCOMPARE(Cli(db, {"import", "coor"}).exitCode, 2);
        QCOMPARE(db.Count("CoorEdit"), 0);
    }

    void roundTrip()
    {
        CTestDatabase db;
        QCOMPARE(Cli(db, {"import", "coor", Data("roundtrip_format5.txt"), "--format", "5"}).exitCode, 0);
        const QString out = db.FilePath("out.dat");
        const CliRun result = Cli(db, {"export", "file", out, "--kind", "coor", "--format", "5"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.Err(), QString()); // the output file reports nothing on success
        QCOMPARE(FileBytes(out), FileBytes(Data("roundtrip_format5.txt")));
    }

    void exports()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (5,'Import_Data','P1','100.5','200.25','10','TREE')",
                "insert into CodeEdit (ID,ATTR,SN,CODE) values (1,'Import_Code Data','12','KERB')"});

        QCOMPARE(Cli(db, {"export", "file", db.FilePath("t.txt"), "--kind", "coor", "--separator", "tab", "--format", "8"}).exitCode, 0);
        QCOMPARE(FileBytes(db.FilePath("t.txt")), FileBytes(Data("format8_tab.txt")));
        QCOMPARE(Cli(db, {"export", "file", db.FilePath("t.csv"), "--kind", "21", "--separator", "tab", "--format", "8"}).exitCode, 0);
        QCOMPARE(FileBytes(db.FilePath("t.csv")), QByteArray("5,P1,200.25,100.5,10,TREE\r\n"));
        QCOMPARE(Cli(db, {"export", "file", db.FilePath("c.txt"), "--kind", "code", "--separator", "space"}).exitCode, 0);
        QCOMPARE(FileBytes(db.FilePath("c.txt")), QByteArray("12 KERB\r\n"));

        CliRun result = Cli(db, {"export", "list", db.FilePath("l.csv"), "--kind", "code"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.Err(), FilesTexts::DataExportSuccess + '\n');
        // 序号,列表属性,编号,编码 in GBK
        QCOMPARE(FileBytes(db.FilePath("l.csv")),
                 QByteArray("\xd0\xf2\xba\xc5,\xc1\xd0\xb1\xed\xca\xf4\xd0\xd4,\xb1\xe0\xba\xc5,\xb1\xe0\xc2\xeb\r\n"
                            "1,Import_Code Data,12,KERB\r\n"));

        result = Cli(db, {"export", "data", db.FilePath("d.txt"), "--kind", "coor"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.Err(), FilesTexts::ExportSuccess + '\n');
        QCOMPARE(FileBytes(db.FilePath("d.txt")), QByteArray("P1,100.5,200.25,10,TREE\r\n"));
    }

    void exportUsage()
    {
        CTestDatabase db;
        QCOMPARE(Cli(db, {"export", "data", db.FilePath("d.txt"), "--kind", "meas"}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "list", db.FilePath("d.txt")}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "list", db.FilePath("d.txt"), "--kind", "coor", "--format", "2"}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "file", db.FilePath("d.txt"), "--kind", "code", "--format", "2"}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "file", db.FilePath("d.txt"), "--kind", "coor", "--separator", "semicolon"}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "sheet", db.FilePath("d.txt"), "--kind", "coor"}).exitCode, 2);
        QVERIFY(!QFile::exists(db.FilePath("d.txt")));
        const CliRun unwritable = Cli(db, {"export", "list", db.FilePath("none/d.csv"), "--kind", "coor"});
        QCOMPARE(unwritable.exitCode, 1);
        QCOMPARE(unwritable.Err(), FilesTexts::OpenFileFailed + '\n');
    }

    void sdCard()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (1,'a','P1','100.5','200.25','10','')",
                "insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (2,'a','P2','3456789.1','500123.456','-2.5','')",
                "insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (3,'a','测点','1e2',' 7.5m','abc','')"});
        CliRun result = Cli(db, {"sdcard", db.FilePath(""), "card"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.Err(), FilesTexts::Success + '\n');
        QCOMPARE(FileBytes(db.FilePath("card/JOB1.DAT")), FileBytes(Data("sdcard/JOB1.DAT")));
        QCOMPARE(FileBytes(db.FilePath("card/JOB1.INX")), FileBytes(Data("sdcard/JOB1.INX")));

        QCOMPARE(Cli(db, {"sdcard", db.FilePath(""), "last", "--job", "20"}).exitCode, 0);
        QCOMPARE(QDir(db.FilePath("last")).entryList(QDir::Files), (QStringList{"JOB20.DAT", "JOB20.INX"}));

        result = Cli(db, {"sdcard", db.FilePath(""), "card", "--job", "2"});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.Err(), FilesTexts::CannotCreatePath + '\n');
        QCOMPARE(Cli(db, {"sdcard", db.FilePath(""), "more", "--job", "21"}).exitCode, 2);
        QCOMPARE(Cli(db, {"sdcard", db.FilePath("")}).exitCode, 2);
        QVERIFY(!QFileInfo::exists(db.FilePath("more")));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_cli_files.moc"
