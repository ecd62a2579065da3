#include "core/download/job_writer.h"
#include "core/download/meas_parser.h"
#include "core/edit/coor_edit.h"
#include "core/edit/record_delete.h"
#include "core/files/list_export.h"
#include "core/files/text_import.h"
#include "core/store/store_texts.h"
#include "file_bytes.h"
#include "recording_reporter.h"
#include "restricted_folder.h"
#include "written_files.h"
#include "table_rows.h"
#include "test_database.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const char* const CoorRows = "select ID, ATTR, SN, NCOOR, ECOOR, ZCOOR, CODE from CoorEdit order by ID";
const char* const MeasRows = "select * from \"740Meas\" order by ID";

// The job of the tests' data, and one of the same lines many times over.
QString JobFile() { return QStringLiteral(MERION_TEST_DATA "/t5_job_file.txt"); }
QByteArray LongJob(int repeats)
{
    QByteArray job;
    const QByteArray once = FileBytes(JobFile());
    for (int i = 0; i < repeats; ++i)
        job += once;
    return job;
}

void LimitToCurrentSize(CProjectStore& store, bool limited)
{
    QSqlQuery query(store.Database());
    QVERIFY(query.exec("PRAGMA page_count") && query.next());
    const qlonglong pages = query.value(0).toLongLong();
    QVERIFY(query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(limited ? pages : 1000000000)));
}
} // namespace

class TestStoreLimits : public QObject
{
    Q_OBJECT

private slots:
    // The database may not grow past its present size: the disk is full.
    void fullDiskIsToldOnceAndKeepsEveryRow()
    {
        CTestDatabase db;
        const QString points = WriteFile(db.FilePath("points.txt"), "A,1,2,3,X\r\nB,4,5,6,Y\r\n");
        QCOMPARE(ImportFile(db.Store(), ImportType::Coor, 0, points).status, Status::Done);
        QCOMPARE(ImportFile(db.Store(), ImportType::T5, 0, JobFile()).status, Status::Done);
        const QStringList coordinates = db.Rows(CoorRows);
        const QStringList job = db.Rows(MeasRows);
        QVERIFY(!coordinates.isEmpty()); // the job's points
        QVERIFY(!job.isEmpty());

        LimitToCurrentSize(db.Store(), true);
        const QString many = WriteFile(db.FilePath("many.txt"), ManyPoints(20000));
        QCOMPARE(ImportFile(db.Store(), ImportType::Coor, 0, many).status, Status::DatabaseError);
        QCOMPARE(db.Reporter().TakeMessages(), QStringList{StoreTexts::DiskFull});
        // A job parse goes on past a row the database refuses; a full disk ends it at once.
        const QString longJob = WriteFile(db.FilePath("long.txt"), LongJob(400));
        QCOMPARE(ImportFile(db.Store(), ImportType::T5, 0, longJob).status, Status::DatabaseError);
        QCOMPARE(db.Reporter().TakeMessages(), QStringList{StoreTexts::DiskFull});

        // Everything is as it was and can be read.
        QCOMPARE(db.Rows(CoorRows), coordinates);
        QCOMPARE(db.Rows(MeasRows), job);

        // Once there is room again, the same import lands.
        LimitToCurrentSize(db.Store(), false);
        QCOMPARE(ImportFile(db.Store(), ImportType::Coor, 0, many).status, Status::Done);
        QCOMPARE(db.Count("CoorEdit"), 20000);
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    void readOnlyProjectIsShownAndExportedButNeverChanged()
    {
        QTemporaryDir base;
        const QString folder = base.filePath("project");
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath("a.db");
        QStringList coordinates;
        QStringList job;
        {
            CRecordingReporter reporter;
            CProjectStore store(path, &reporter);
            const QString points = WriteFile(base.filePath("points.txt"), "A,1,2,3,X\r\nB,4,5,6,Y\r\n");
            QCOMPARE(ImportFile(store, ImportType::Coor, 0, points).status, Status::Done);
            QCOMPARE(ImportFile(store, ImportType::T5, 0, JobFile()).status, Status::Done);
            coordinates = TableRows(store, CoorRows);
            job = TableRows(store, MeasRows);
            store.Disconnect();
            QVERIFY(reporter.Messages().isEmpty());
        }
        CReadOnlyFolder readOnly(folder);
        if (!readOnly.IsReady())
            QSKIP("this machine cannot make a read-only folder");
        const QString refusal = StoreTexts::ReadOnly.Arg(readOnly.ExpectedReason());

        CRecordingReporter reporter;
        CProjectStore store(path, &reporter);
        QVERIFY(store.Connect());
        QVERIFY(reporter.Messages().isEmpty());
        QCOMPARE(store.ReadOnlyReason(), readOnly.ExpectedReason());
        QCOMPARE(TableRows(store, CoorRows), coordinates);
        QCOMPARE(TableRows(store, MeasRows), job);
        const QString exported = base.filePath("list.csv");
        QVERIFY(ExportList(exported, {"ID", "SN"}, {{"1", "A"}, {"2", "B"}}).Succeeded());
        QVERIFY(QFile::exists(exported));
        reporter.Clear();

        // Every kind of write says why, once, and changes nothing.
        QVERIFY(!AddCoor(store, {"C", "1", "2", "3", ""}).Succeeded());
        QCOMPARE(reporter.TakeMessages(), QStringList{refusal});
        QCOMPARE(ImportFile(store, ImportType::Coor, 0, base.filePath("points.txt")).status, Status::DatabaseError);
        QCOMPARE(reporter.TakeMessages(), QStringList{refusal});
        // The job replaced the point list: P1 is one of its points.
        QVERIFY(!DeleteRecord(store, DataKind::Coor, "P1").Succeeded());
        QCOMPARE(reporter.TakeMessages(), QStringList{refusal});
        QVERIFY(!StoreParsedJob(store, ParseMeasJob("A,P9,1,2,3\r\n")).Succeeded());
        QCOMPARE(reporter.TakeMessages(), QStringList{refusal});
        QCOMPARE(TableRows(store, CoorRows), coordinates);
        QCOMPARE(TableRows(store, MeasRows), job);
        store.Disconnect();
    }
};

QTEST_MAIN(TestStoreLimits)
#include "tst_store_limits.moc"
