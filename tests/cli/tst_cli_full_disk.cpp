#include "cli_runner.h"
#include "file_bytes.h"
#include "restricted_folder.h"
#include "test_database.h"

#include <QDir>
#include <QFile>
#include <QTest>

// A write that fails part way (the disk is full) keeps the file that was there, leaves no
// temporary file behind, and says why: never "Success!" over an empty file. The disk is a
// real, small memory file system filled to the last byte; the project itself lies elsewhere.
class TestCliFullDisk : public QObject
{
    Q_OBJECT

private:
    static QStringList Entries(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

private slots:
    void everyWriterKeepsTheOldFileAndSaysWhy()
    {
        CTestDatabase db;
        for (int i = 1; i <= 40; ++i)
            db.Run({QStringLiteral("insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values "
                                   "(%1,'Import_Data','P%1','%2','%3','1.5','TREE')")
                        .arg(i)
                        .arg(1000 + i * 7.25)
                        .arg(2000 - i * 3.5)});
        db.Run({"insert into \"740Meas\" (ID,ATTR,SN,HA,VA,SD,CODE) values (1,'Angle,Dist','P1','10.5','90','12.5','X')",
                "insert into \"740Meas\" (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR) values (2,'Measure','P1','1','2','3')"});
        const QString disk = db.FilePath("disk");
        QVERIFY(QDir().mkpath(disk));
        CSmallDisk small(disk, 64);
        if (!small.IsReady())
            QSKIP("a small memory file system needs the administrator and a mount that is allowed here");

        const QByteArray old = "the file that was there\r\n";
        const QList<QStringList> commands = {
            {"export", "list", "list.csv", "--kind", "coor"},
            {"export", "file", "file.txt", "--kind", "coor"},
            {"export", "file", "file.csv", "--kind", "coor"},
            {"export", "data", "data.txt", "--kind", "coor"},
            {"export", "dxf", "plan.dxf", "--kind", "coor"},
            {"export", "angle", "angle.txt"},
            {"export", "full", "full.txt", "--kind", "meas"},
            {"plot", "plan.png", "--kind", "coor", "--size", "64x64"},
            {"plot", "plan.svg", "--kind", "coor"},
            {"plot", "plan.pdf", "--kind", "coor"},
        };
        for (const QStringList& command : commands)
        {
            QFile file(QDir(disk).filePath(command[command[0] == "plot" ? 1 : 2]));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
            file.close();
        }
        QVERIFY(small.Fill());
        const QStringList before = Entries(disk);
        for (QStringList command : commands)
        {
            const int at = command[0] == "plot" ? 1 : 2;
            const QString target = QDir(disk).filePath(command[at]);
            command[at] = target;
            const CliRun run = RunCli(db.Path(), command);
            const QString said = command.join(' ') + QStringLiteral(" → ") + run.Err();
            QVERIFY2(run.exitCode == 1, qPrintable(said));
            QVERIFY2(run.Err().contains("No space left on device"), qPrintable(said));
            QVERIFY2(!run.Err().contains("Success") && !run.Err().contains("Unknown error"), qPrintable(said));
            QCOMPARE(FileBytes(target), old);
            QCOMPARE(Entries(disk), before); // no temporary file stays
        }

        // The SD-card job: neither half of it, nor its folder, stays.
        const CliRun card = RunCli(db.Path(), {"sdcard", disk, "CARD"});
        QCOMPARE(card.exitCode, 1);
        QVERIFY2(card.Err().contains("No space left on device"), qPrintable(card.Err()));
        QCOMPARE(Entries(disk), before);
    }
};

QTEST_GUILESS_MAIN(TestCliFullDisk)
#include "tst_cli_full_disk.moc"
