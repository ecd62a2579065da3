#include "cli_runner.h"
#include "core/edit/edit_texts.h"
#include "core/files/files_texts.h"
#include "core/link/link_texts.h"
#include "core/store/store_texts.h"
#include "file_bytes.h"
#include "test_database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// Answers that used to be wrong in small ways: a success for a change that changed nothing,
// a message about the wrong thing, a file outside the folder asked for, a broken file stored.
class TestCliWrongAnswers : public QObject
{
    Q_OBJECT

private slots:
    void aMissingRecordIsSaidSo()
    {
        CTestDatabase db;
        QCOMPARE(RunCli(db.Path(), {"point", "add", "P1", "1", "2", "3"}).exitCode, 0);
        QCOMPARE(RunCli(db.Path(), {"code", "add", "12", "KERB"}).exitCode, 0);
        QCOMPARE(RunCli(db.Path(), {"alignment", "add", "0", "200", "0", "100", "200"}).exitCode, 0);
        const QStringList before = db.Rows("select * from CoorEdit") + db.Rows("select * from CodeEdit") +
                                   db.Rows("select * from \"520SurLine\"");
        const QList<QPair<QStringList, QString>> cases = {
            {{"point", "delete", "P9"}, "P9"},
            {{"point", "edit", "P9", "1", "2", "3"}, "P9"},
            {{"code", "delete", "99"}, "99"},
            {{"code", "edit", "99", "X"}, "99"},
            {{"alignment", "delete", "7"}, "7"},
            {{"alignment", "edit", "7", "1", "50", "300", "110", "210"}, "7"},
        };
        for (const auto& [command, key] : cases)
        {
            const CliRun run = RunCli(db.Path(), command);
            QVERIFY2(run.exitCode == 1, qPrintable(command.join(' ')));
            QCOMPARE(run.Err(), EditTexts::NoSuchRecord.Arg(key) + '\n');
        }
        QCOMPARE(db.Rows("select * from CoorEdit") + db.Rows("select * from CodeEdit") +
                     db.Rows("select * from \"520SurLine\""),
                 before);
        // The records that are there still go.
        QCOMPARE(RunCli(db.Path(), {"point", "delete", "P1"}).exitCode, 0);
        QCOMPARE(db.Count("CoorEdit"), 0);
    }

    void anEmptyCodeNumberIsNamed()
    {
        CTestDatabase db;
        const CliRun run = RunCli(db.Path(), {"code", "add", "", "T"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), EditTexts::FieldEmpty.Arg(EditTexts::CodeNumber) + '\n');
        QVERIFY(!run.Err().contains("PT Name"));
        // The point's own field keeps its words.
        QCOMPARE(RunCli(db.Path(), {"point", "add", " ", "1", "2", "3"}).Err(), EditTexts::NameEmpty + '\n');
    }

    void aDeviceThatIsNoSerialPortIsNamedForWhatItIs()
    {
        CTestDatabase db;
        const QString file = db.FilePath("plain.txt");
        QFile plain(file);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString folder = db.FilePath("folder");
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(RunCli(db.Path(), {"point", "add", "P1", "1", "2", "3"}).exitCode, 0);
        const QList<QPair<QString, DeviceKind>> cases = {
            {file, DeviceKind::RegularFile}, {folder, DeviceKind::Folder}, {"/dev/null", DeviceKind::NoTerminal}};
        for (const auto& [device, kind] : cases)
            for (const QStringList& command :
                 {QStringList{"download", "--instrument", "t5", "--device", device},
                  QStringList{"upload", "--instrument", "v2", "--device", device}})
            {
                const CliRun run = RunCli(db.Path(), command);
                QCOMPARE(run.exitCode, 1);
                QCOMPARE(run.Err(), LinkTexts::NotASerialPort(device, kind) + '\n');
            }
        QCOMPARE(FileBytes(file), QByteArray()); // nothing was sent into the plain file
        // A device that is not there keeps the usual words.
        const CliRun missing = RunCli(db.Path(), {"download", "--instrument", "t5", "--device", "/nonexistent/tty"});
        QCOMPARE(missing.Err(), LinkTexts::PortUnavailable(1, "/nonexistent/tty") + '\n');
    }

    void aTableWithoutAColumnIsRefusedAtConnect()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.db");
        {
            QSqlDatabase made = QSqlDatabase::addDatabase("QSQLITE", "made");
            made.setDatabaseName(path);
            QVERIFY(made.open());
            QSqlQuery query(made);
            QVERIFY(query.exec("create table CoorEdit (ID INTEGER, ATTR TEXT, SN TEXT, NCOOR TEXT, ECOOR TEXT, ZCOOR TEXT)"));
            QVERIFY(query.exec("insert into CoorEdit values (1,'Import_Data','P1','1','2','3')"));
            made.close();
        }
        QSqlDatabase::removeDatabase("made");
        const CliRun run = RunCli(path, {"show", "coor"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.Err(), StoreTexts::MissingColumn.Arg(path, "CoorEdit.CODE") + '\n');
        QVERIFY(!run.Out().contains(QStringLiteral("代码")) && !run.Out().contains("CODE"));
        QCOMPARE(RunCli(path, {"point", "add", "P2", "1", "2", "3"}).exitCode, 1);
    }

    void anSdCardFolderStaysInsideItsParent()
    {
        CTestDatabase db;
        QCOMPARE(RunCli(db.Path(), {"point", "add", "P1", "1", "2", "3"}).exitCode, 0);
        const QString parent = db.FilePath("a/b");
        QVERIFY(QDir().mkpath(parent));
        for (const QString& name : {QStringLiteral("../../x"), QStringLiteral(".."), QStringLiteral("."),
                                    QStringLiteral("x/y"), QStringLiteral("x\\y")})
        {
            const CliRun run = RunCli(db.Path(), {"sdcard", parent, name});
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.Err(), FilesTexts::NotPlainName.Arg(name) + '\n');
        }
        QVERIFY(!QFileInfo::exists(db.FilePath("x")));
        QCOMPARE(QDir(parent).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(RunCli(db.Path(), {"sdcard", parent, "CARD"}).exitCode, 0);
        QVERIFY(QFileInfo::exists(parent + "/CARD/JOB1.DAT"));
    }

    void aNulByteAnywhereRefusesTheImport()
    {
        CTestDatabase db;
        QCOMPARE(RunCli(db.Path(), {"point", "add", "KEEP", "1", "2", "3"}).exitCode, 0);
        QCOMPARE(RunCli(db.Path(), {"code", "add", "12", "KERB"}).exitCode, 0);
        const QStringList points = db.Rows("select * from CoorEdit");
        const QStringList codes = db.Rows("select * from CodeEdit");
        // Well past the first 64 KiB, and at the very end.
        QByteArray lines;
        for (int i = 1; lines.size() < 200 * 1024; ++i)
            lines += QByteArray("P") + QByteArray::number(i) + ",1,2,3,C\r\n";
        for (const QByteArray& bytes : {lines + QByteArray("X,1,2\0,3\r\n", 10) + lines, lines + QByteArray(1, '\0')})
        {
            QFile file(db.FilePath("in.txt"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
            for (const char* type : {"coor", "code", "t5", "v2"})
            {
                QStringList command{"import", type, file.fileName()};
                if (QByteArray(type) == "v2")
                    command << "--record" << "coor";
                const CliRun run = RunCli(db.Path(), command);
                QVERIFY2(run.exitCode == 1, type);
                QCOMPARE(run.Err(), FilesTexts::BinaryFile + '\n');
            }
        }
        QCOMPARE(db.Rows("select * from CoorEdit"), points);
        QCOMPARE(db.Rows("select * from CodeEdit"), codes);
        QCOMPARE(db.Count("740Meas"), 0);
    }
};

QTEST_GUILESS_MAIN(TestCliWrongAnswers)
#include "tst_cli_wrong_answers.moc"
