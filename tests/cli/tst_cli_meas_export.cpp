#include "cli_runner.h"
#include "file_bytes.h"
#include "core/files/files_texts.h"
#include "test_database.h"

#include <QFile>
#include <QTest>

// merion-cli export angle|hd|sd|full on a temporary project; files compared byte for byte.
class TestCliMeasExport : public QObject
{
    Q_OBJECT

private:
    static CliRun Cli(CTestDatabase& db, const QStringList& arguments) { return RunCli(db.Path(), arguments); }

private slots:
    void fullLayouts()
    {
        CTestDatabase db;
        const QString head = "insert into \"740Meas\" (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE,PH,PA,HD,IH,HA,VA,SD,NOTES) values ";
        db.Run({head + "(1,'T5(T8)_Meas_Station','S1','5000.000','3000.000','100.000','','','','','1.550','','','','')",
                head + "(2,'T5(T8)_Meas_Backsight-Coor','B1','5100.000','3000.000','101.000','','1.600','0.0000','','','','','','')",
                head + "(3,'T5(T8)_Meas_Dist','点1','','','','树','1.700','','','','30.25','89.5','150.000','')",
                head + "(4,'T5(T8)_Meas_Measure-Coor','点1','5129.904','3074.999','102.159','树','1.700','','','','','','','')",
                head + "(5,'T5(T8)_Meas_Note','','','','','','','','','','','','','end')"});
        // The station line takes the backsight's coordinates; VA 89.5 with π as 3.1415926 gives
        // HD 149.99428, VD 1.30898.
        const QString out = db.FilePath("full.csv");
        const CliRun result = Cli(db, {"export", "full", out, "--kind", "meas", "--order", "ne"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.Err(), FilesTexts::ExportDataSuccess + '\n');
        QCOMPARE(FileBytes(out), FileBytes(QStringLiteral(MERION_TEST_DATA "/files/meas_full_ne.csv")));

        QCOMPARE(Cli(db, {"export", "hd", out}).exitCode, 0);
        QCOMPARE(FileBytes(out).split('\n').value(2), QByteArray("\xb5\xe3" "1,30.25,,150.0000,1.700\r"));

        db.Run({"insert into \"520Meas\" (ID,ATTR,MARK,DATA1,DATA2,DATA3,DATA4,DATA5) "
                "values (1,'T8_V2_Meas','Station','ST','1000','2000','50',' 1.5 ')"});
        QCOMPARE(Cli(db, {"export", "full", out, "--kind", "v2meas", "--angles", "deg"}).exitCode, 0);
        QCOMPARE(FileBytes(out), QByteArray("PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE\r\nST,2000,1000,50,1.5\r\n"));
    }

    void usageAndFailures()
    {
        CTestDatabase db;
        const QString out = db.FilePath("x.txt");
        QCOMPARE(Cli(db, {"export", "full", out, "--kind", "coor"}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "full", out}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "full", out, "--kind", "meas", "--order", "nz"}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "full", out, "--kind", "meas", "--angles", "rad"}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "full", out, "--kind", "meas", "--format", "2"}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "list", out, "--kind", "meas", "--order", "ne"}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "angle", out, "--kind", "meas"}).exitCode, 2);
        QCOMPARE(Cli(db, {"export", "sd"}).exitCode, 2);
        QVERIFY(!QFile::exists(out));
        const CliRun unwritable = Cli(db, {"export", "angle", db.FilePath("none/x.txt")});
        QCOMPARE(unwritable.exitCode, 1);
        QCOMPARE(unwritable.Err(), FilesTexts::OpenFileFailed + '\n');
    }
};

QTEST_GUILESS_MAIN(TestCliMeasExport)
#include "tst_cli_meas_export.moc"
