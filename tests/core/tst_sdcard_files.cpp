#include "core/files/files_texts.h"
#include "core/files/sdcard_files.h"
#include "file_bytes.h"
#include "test_database.h"

#include <QDir>
#include <QFile>
#include <QTest>

// SD-card job files, compared byte for byte with lines worked out from the fixed widths.
class TestSdCardFiles : public QObject
{
    Q_OBJECT

private:
    static QByteArray Line(const QByteArray& text, int width) { return text.leftJustified(width, ' ') + "\r\n"; }

    static void AddPoint(CTestDatabase& db, int id, const QString& name, const QString& n, const QString& e,
                         const QString& z)
    {
        db.Run({QStringLiteral("insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (%1,'Import_Data','%2',%3,%4,%5,'C')")
                    .arg(id)
                    .arg(name, n, e, z)});
    }

    static void AddPoints(CTestDatabase& db, int count)
    {
        db.Run({QStringLiteral("insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) "
                               "with recursive n(i) as (select 1 union all select i+1 from n where i<%1) "
                               "select i,'Import_Data','P'||i,'1','2','3','' from n")
                    .arg(count)});
    }

private slots:
    void threePoints()
    {
        CTestDatabase db;
        AddPoint(db, 1, "P1", "'100.5'", "'200.25'", "'10'");
        AddPoint(db, 2, "P2", "'3456789.1'", "'500123.456'", "'-2.5'");
        AddPoint(db, 3, "测点", "'1e2'", "' 7.5m'", "'abc'");
        QCOMPARE(db.Reporter().Record(WriteSdCardJob(db.Store(), db.FilePath(""), "card", 0)).status, Status::Done);
        QCOMPARE(db.Reporter().Messages(), QStringList{FilesTexts::Success});
        QCOMPARE(FileBytes(db.FilePath("card/JOB1.DAT")), FileBytes(MERION_TEST_DATA "/files/sdcard/JOB1.DAT"));
        QCOMPARE(FileBytes(db.FilePath("card/JOB1.INX")), FileBytes(MERION_TEST_DATA "/files/sdcard/JOB1.INX"));
        QCOMPARE(QDir(db.FilePath("card")).entryList(QDir::Files), (QStringList{"JOB1.DAT", "JOB1.INX"}));
    }

    void emptyTable()
    {
        CTestDatabase db;
        QCOMPARE(db.Reporter().Record(WriteSdCardJob(db.Store(), db.FilePath(""), "card", 0)).status, Status::Done);
        QCOMPARE(FileBytes(db.FilePath("card/JOB1.DAT")),
                 Line(" JOB1,   0,   0, 0,1.000000,1,1,1,1,1,23.000000,1023.0,", 126));
        QCOMPARE(FileBytes(db.FilePath("card/JOB1.INX")), Line("    0,   0, 0,", 18));
    }

    void lastJob()
    {
        CTestDatabase db;
        AddPoint(db, 1, "A1", "'1'", "'2'", "'3'");
        QCOMPARE(db.Reporter().Record(WriteSdCardJob(db.Store(), db.FilePath(""), "card", 19)).status, Status::Done);
        QCOMPARE(FileBytes(db.FilePath("card/JOB20.DAT")),
                 Line(" JOB20,   1,   1,19,1.000000,1,1,1,1,1,23.000000,1023.0,", 126) +
                     Line("c,A1,1.0000,2.0000,3.0000,", 254));
        QCOMPARE(FileBytes(db.FilePath("card/JOB20.INX")), Line("    1,   1,19,", 18) + "A A1            \r\n");
    }

    void limit_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("messagesOfFullMemory");
        QTest::newRow("2999 rows fit") << 2999 << 0;
        QTest::newRow("3000 rows") << 3000 << 2;
    }

    void limit()
    {
        QFETCH(int, rows);
        QFETCH(int, messagesOfFullMemory);
        CTestDatabase db;
        AddPoints(db, rows);
        // A full job is written all the same, but the instrument holds only part of the list.
        QCOMPARE(db.Reporter().Record(WriteSdCardJob(db.Store(), db.FilePath(""), "card", 0)).status,
                 messagesOfFullMemory == 0 ? Status::Done : Status::MemoryFull);
        QCOMPARE(db.Reporter().Messages(),
                 QStringList(messagesOfFullMemory, FilesTexts::MemoryFull) + QStringList{FilesTexts::Success});

        // Both headers count the 2999 point lines that follow.
        const QByteArray data = FileBytes(db.FilePath("card/JOB1.DAT"));
        QCOMPARE(data.size(), 128 + 2999 * 256);
        QVERIFY(data.startsWith(" JOB1,2999,2999, 0,1.000000,"));
        QCOMPARE(data.right(256), Line("c,P2999,1.0000,2.0000,3.0000,", 254));
        const QByteArray index = FileBytes(db.FilePath("card/JOB1.INX"));
        QCOMPARE(index.size(), 20 + 2999 * 18);
        QCOMPARE(index.left(20), Line(" 2999,2999, 0,", 18));
        QCOMPARE(index.right(18), QByteArray("A P2999         \r\n"));
    }

    void coordinatesWithoutNumber()
    {
        CTestDatabase db;
        AddPoint(db, 1, "E1", "''", "'5'", "NULL");
        AddPoint(db, 2, "E2", "NULL", "'x'", "' '");
        QCOMPARE(db.Reporter().Record(WriteSdCardJob(db.Store(), db.FilePath(""), "card", 0)).status, Status::Done);
        const QByteArray data = FileBytes(db.FilePath("card/JOB1.DAT"));
        QCOMPARE(data.mid(128), Line("c,E1,0.0000,5.0000,0.0000,", 254) + Line("c,E2,0.0000,0.0000,0.0000,", 254));
    }

    void longNames()
    {
        CTestDatabase db;
        AddPoint(db, 1, "ABCDEFGHIJKLMNO", "'1'", "'2'", "'3'"); // 15 characters
        AddPoint(db, 2, "ABCDEFGHIJKLMN", "'1'", "'2'", "'3'");  // 14
        QCOMPARE(db.Reporter().Record(WriteSdCardJob(db.Store(), db.FilePath(""), "card", 0)).status, Status::Done);
        QCOMPARE(FileBytes(db.FilePath("card/JOB1.INX")).mid(20),
                 QByteArray("A ABCDEFGHIJKLMNO\r\nA ABCDEFGHIJKLMN\r\n"));
    }

    void folderNotCreatable()
    {
        CTestDatabase db;
        AddPoint(db, 1, "P1", "'1'", "'2'", "'3'");
        QVERIFY(QDir(db.FilePath("")).mkdir("taken"));
        const QList<QPair<QString, QString>> targets = {
            {db.FilePath(""), "taken"}, {"", "card"}, {db.FilePath("absent"), "card"}, {db.FilePath(""), ""}};
        for (const auto& target : targets)
        {
            db.Reporter().Clear();
            QCOMPARE(db.Reporter().Record(WriteSdCardJob(db.Store(), target.first, target.second, 0)).status, Status::PathNotCreated);
            QCOMPARE(db.Reporter().Messages(), QStringList{FilesTexts::CannotCreatePath});
        }
        QVERIFY(QDir(db.FilePath("taken")).isEmpty());
        QVERIFY(!QFileInfo::exists(db.FilePath("absent")));
    }

    // A folder that can be made but holds no file (its files' paths are too long for the
    // system): the user is told, nothing is written and the empty folder is taken away again.
    void filesNotCreatable()
    {
#ifdef Q_OS_WIN
        QSKIP("made of Linux's 4096-character path limit; Windows limits paths differently");
#endif
        CTestDatabase db;
        AddPoint(db, 1, "P1", "'1'", "'2'", "'3'");
        QString parent = db.FilePath("");
        const QString segment(200, QLatin1Char('d'));
        while (parent.size() + 1 + segment.size() < 4080)
        {
            QVERIFY(QDir(parent).mkdir(segment));
            parent += QLatin1Char('/') + segment;
        }
        const QString name(4090 - parent.size() - 1, QLatin1Char('n'));
        const Outcome outcome = db.Reporter().Record(WriteSdCardJob(db.Store(), parent, name, 0));
        QCOMPARE(outcome.status, Status::WriteFailed);
        QCOMPARE(db.Reporter().Messages(), QStringList{FilesTexts::WriteFailed(outcome.detail)});
        QVERIFY(QDir(parent).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSdCardFiles)
#include "tst_sdcard_files.moc"
