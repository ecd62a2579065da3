#include "cli_runner.h"
#include "file_bytes.h"
#include "simulated_instrument.h"
#include "test_database.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

// merion-cli never asks and never empties a list at its end; whatever replaces or empties a
// hand-kept list (an import, a download, a clear) first copies it to discarded/ beside the
// database, in the form the point or code import reads back.
class TestCliDiscardedLists : public QObject
{
    Q_OBJECT

private:
    static CliRun Cli(CTestDatabase& db, const QStringList& words)
    {
        const CliRun run = RunCli(db.Path(), words);
        if (run.exitCode != 0)
            qWarning("%s: %s", qPrintable(words.join(' ')), qPrintable(run.Err()));
        return run;
    }
    static QString Write(CTestDatabase& db, const QString& name, const QByteArray& bytes)
    {
        QFile file(db.FilePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            QTest::qFail("cannot write the input file", __FILE__, __LINE__);
        return file.fileName();
    }
    // The copies in discarded/, oldest name first, each checked for its name's form.
    static QStringList Discarded(CTestDatabase& db, const QString& table)
    {
        const QDir folder(db.FilePath(QStringLiteral("discarded")));
        const QStringList names = folder.entryList({QStringLiteral("*-") + table + QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
        QStringList paths;
        static const QRegularExpression form(QStringLiteral("^\\d{8}-\\d{6}-[0-9A-Za-z]+(-\\d+)?\\.csv$"));
        for (const QString& name : names)
        {
            if (!form.match(name).hasMatch())
                QTest::qFail(qPrintable(QStringLiteral("unexpected name ") + name), __FILE__, __LINE__);
            paths << folder.filePath(name);
        }
        return paths;
    }
    static QStringList Shown(CTestDatabase& db, const char* kind)
    {
        return Cli(db, {"show", kind}).Out().split('\n', Qt::SkipEmptyParts).mid(1);
    }

private slots:
    void importedPointsReplaceTypedOnesThatReadBackFromTheirCopy()
    {
        CTestDatabase db;
        QCOMPARE(Cli(db, {"point", "add", "P1", "3456789.1", "512345.25", "12", QStringLiteral("树")}).exitCode, 0);
        QCOMPARE(Cli(db, {"point", "add", "P2", "1", "2", "3"}).exitCode, 0);
        // Nothing is emptied when a command ends, so nothing is copied either.
        QVERIFY(!QFileInfo::exists(db.FilePath(QStringLiteral("discarded"))));

        QCOMPARE(Cli(db, {"import", "coor", Write(db, "new.txt", "Q1,7,8,9,A\r\n")}).exitCode, 0);
        QCOMPARE(Shown(db, "coor"), QStringList{"1\tImport_Data\tQ1\t7\t8\t9\tA"});
        const QStringList copies = Discarded(db, QStringLiteral("CoorEdit"));
        QCOMPARE(copies.size(), 1);
        // Name, N, E, Z, code as the point command stored them (three decimals), UTF-8 after
        // its byte-order mark, CR LF: the import's first column order.
        QCOMPARE(FileBytes(copies.first()), QByteArray("\xEF\xBB\xBF"
                                                       "P1,3456789.100,512345.250,12.000,\xE6\xA0\x91\r\n"
                                                       "P2,1.000,2.000,3.000,\r\n"));

        // Read back, the typed points are the list again (the copy of Q1 goes to discarded/ too).
        QCOMPARE(Cli(db, {"import", "coor", copies.first(), "--format", "1"}).exitCode, 0);
        QCOMPARE(Shown(db, "coor"), (QStringList{QStringLiteral("1\tImport_Data\tP1\t3456789.100\t512345.250\t12.000\t树"),
                                                 "2\tImport_Data\tP2\t1.000\t2.000\t3.000\t"}));
        QCOMPARE(Discarded(db, QStringLiteral("CoorEdit")).size(), 2);
    }

    void aTransformThatReplacesTheListCopiesItFirst()
    {
        CTestDatabase db;
        QCOMPARE(Cli(db, {"point", "add", "P1", "3456789.1", "512345.25", "12"}).exitCode, 0);
        QCOMPARE(Cli(db, {"crs", "set", "EPSG:4539"}).exitCode, 0);
        QCOMPARE(Cli(db, {"transform", "--to", "EPSG:4540"}).exitCode, 0);
        // The list now holds the numbers of the zone at 120°E; the typed ones are kept as they were typed.
        QVERIFY(!Shown(db, "coor").first().contains(QStringLiteral("3456789.100")));
        const QStringList copies = Discarded(db, QStringLiteral("CoorEdit"));
        QCOMPARE(copies.size(), 1);
        QCOMPARE(FileBytes(copies.first()), QByteArray("\xEF\xBB\xBF"
                                                       "P1,3456789.100,512345.250,12.000,\r\n"));
    }

    void codesAreCopiedBeforeAnImportOrAClear()
    {
        CTestDatabase db;
        QCOMPARE(Cli(db, {"code", "add", "1", "KERB"}).exitCode, 0);
        QCOMPARE(Cli(db, {"code", "add", "2", QStringLiteral("树 木")}).exitCode, 0);
        QCOMPARE(Cli(db, {"import", "code", Write(db, "codes.txt", "9,WALL\r\n")}).exitCode, 0);
        QStringList copies = Discarded(db, QStringLiteral("CodeEdit"));
        QCOMPARE(copies.size(), 1);
        QCOMPARE(FileBytes(copies.first()), QByteArray("\xEF\xBB\xBF" "1,KERB\r\n2,\xE6\xA0\x91 \xE6\x9C\xA8\r\n"));

        QCOMPARE(Cli(db, {"code", "clear"}).exitCode, 0);
        QCOMPARE(Shown(db, "code"), QStringList());
        // Two copies now; their names cannot tell them apart when both came in one second.
        const QByteArray typed("\xEF\xBB\xBF" "1,KERB\r\n2,\xE6\xA0\x91 \xE6\x9C\xA8\r\n");
        const QByteArray imported("\xEF\xBB\xBF" "9,WALL\r\n");
        copies = Discarded(db, QStringLiteral("CodeEdit"));
        QCOMPARE(copies.size(), 2);
        QString typedCopy;
        QList<QByteArray> contents;
        for (const QString& copy : copies)
        {
            contents << FileBytes(copy);
            if (contents.last() == typed)
                typedCopy = copy;
        }
        std::sort(contents.begin(), contents.end());
        QCOMPARE(contents, (QList<QByteArray>{typed, imported}));

        // Read back with the code import, the typed copy is the typed list again.
        QCOMPARE(Cli(db, {"import", "code", typedCopy}).exitCode, 0);
        QCOMPARE(Shown(db, "code"), (QStringList{"1\tImport_Code Data\t1\tKERB", QStringLiteral("2\tImport_Code Data\t2\t树 木")}));
    }

    void aDownloadedJobCopiesThePointsItReplaces()
    {
        CTestDatabase db;
        QCOMPARE(Cli(db, {"point", "add", "HAND", "1", "2", "3", "C"}).exitCode, 0);
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartSending(QByteArray("A,P9,1.0,2.0,3.0\r\n"), 0));
        const CliRun run = Cli(db, {"download", "--instrument", "t5", "--device", instrument.DevicePath()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(db.Rows(QStringLiteral("select SN from CoorEdit")), QStringList{"P9"});
        const QStringList copies = Discarded(db, QStringLiteral("CoorEdit"));
        QCOMPARE(copies.size(), 1);
        QCOMPARE(FileBytes(copies.first()), QByteArray("\xEF\xBB\xBF" "HAND,1.000,2.000,3.000,C\r\n"));
        // A list that was empty leaves no copy: the job's measurement table was never hand-kept.
        QCOMPARE(QDir(db.FilePath(QStringLiteral("discarded"))).entryList(QDir::Files).size(), 1);

        // A saved job read by the import replaces the points the same way.
        QCOMPARE(Cli(db, {"point", "add", "HAND2", "4", "5", "6"}).exitCode, 0);
        QCOMPARE(Cli(db, {"import", "t5", Write(db, "job.txt", "A,P8,7.0,8.0,9.0\r\n")}).exitCode, 0);
        QCOMPARE(db.Rows(QStringLiteral("select SN from CoorEdit")), QStringList{"P8"});
        const QStringList after = Discarded(db, QStringLiteral("CoorEdit"));
        QCOMPARE(after.size(), 2);
        bool kept = false;
        for (const QString& copy : after)
            kept = kept || FileBytes(copy).endsWith("\r\nHAND2,4.000,5.000,6.000,\r\n");
        QVERIFY(kept);
    }

    void aCopyThatCannotBeWrittenKeepsTheList()
    {
        CTestDatabase db;
        QCOMPARE(Cli(db, {"point", "add", "P1", "1", "2", "3"}).exitCode, 0);
        // A file where the folder should be: the copy cannot be made.
        Write(db, "discarded", "in the way");
        const CliRun import = RunCli(db.Path(), {"import", "coor", Write(db, "new.txt", "Q1,7,8,9,A\r\n")});
        QCOMPARE(import.exitCode, 1);
        QVERIFY2(import.Err().startsWith(QStringLiteral("The list CoorEdit could not be copied to ")), qPrintable(import.Err()));
        QVERIFY2(import.Err().contains(QStringLiteral("nothing was changed")), qPrintable(import.Err()));
        const CliRun clear = RunCli(db.Path(), {"point", "clear"});
        QCOMPARE(clear.exitCode, 1);
        QCOMPARE(Shown(db, "coor"), QStringList{"1\tManual_Input_Data\tP1\t1.000\t2.000\t3.000\t"});
    }
};

QTEST_GUILESS_MAIN(TestCliDiscardedLists)
#include "tst_cli_discarded_lists.moc"
