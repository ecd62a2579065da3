#include "cli_runner.h"
#include "recording_reporter.h"
#include "table_rows.h"
#include "core/store/project_store.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

namespace
{
// The largest resident size, in KiB, of the merion-cli runs this test has waited for.
long PeakChildKibibytes()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

// Writes `count` copies of `lines` (each copy numbered through %1) to `path`.
bool WriteRepeated(const QString& path, const QString& lines, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int i = 1; i <= count; ++i)
        file.write(lines.arg(i).toLatin1());
    return file.error() == QFile::NoError;
}
} // namespace

// Saved jobs are read and stored line by line, as point lists are: the memory an import takes
// does not grow with the file; a line no text of records holds is refused at once.
class TestCliImportMemory : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Database() const { return m_dir.filePath("p.db"); }
    QStringList Rows(const QString& sql)
    {
        CRecordingReporter reporter;
        CProjectStore store(Database(), &reporter);
        store.Connect();
        const QStringList rows = TableRows(store, sql);
        store.Disconnect();
        return rows;
    }

private slots:
    // A job of 2.5 MB (60,000 records, half of them with a point) needed some 30 times its size
    // while it was held whole; read line by line, the whole program stays under 64 MiB.
    void aLargeJobImportsInBoundedMemory()
    {
        const QString job = m_dir.filePath("big_job.txt");
        QVERIFY(WriteRepeated(job, "B,P%1,1087.296,2087.296,50.150,1.500,TREE,\r\nD,Q%1,635760,864000,1.500,WALL,\r\n",
                              30000));
        QVERIFY(QFileInfo(job).size() > 2400000);
        const CliRun run = RunCli(Database(), {"import", "t5", job});
        QCOMPARE(run.Err(), QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(Rows("select count(*), max(ID) from \"740Meas\""), QStringList{"60000|60000"});
        // B records carry coordinates; D records (angles and distance only) do not.
        QCOMPARE(Rows("select count(*) from CoorEdit"), QStringList{"30000"});
        QCOMPARE(Rows("select SN from \"740Meas\" where ID = 60000"), QStringList{"Q30000"});
        QVERIFY2(PeakChildKibibytes() < 64 * 1024, qPrintable(QString::number(PeakChildKibibytes())));
    }

    // A version 2 text of 3 MB likewise.
    void aLargeVersionTwoTextImportsInBoundedMemory()
    {
        const QString text = m_dir.filePath("big_v2.txt");
        QVERIFY(WriteRepeated(text, "C,P%1,3456789.100,512345.200,100.300,TREE,\r\n", 70000));
        const CliRun run = RunCli(Database(), {"import", "v2", text, "--record", "coor"});
        QCOMPARE(run.Err(), QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(Rows("select count(*), max(SN) from CoorEdit where SN = 'P70000'"), QStringList{"1|P70000"});
        QCOMPARE(Rows("select count(*) from CoorEdit"), QStringList{"70000"});
        QVERIFY2(PeakChildKibibytes() < 64 * 1024, qPrintable(QString::number(PeakChildKibibytes())));
    }

    // A line of 16 MB (no job has one) is refused, naming the line, before it is read whole;
    // the job stored before stays.
    void anOverlongLineIsRefusedAtOnce_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::newRow("job") << QStringList{"import", "t5"};
        QTest::newRow("version 2") << QStringList{"import", "v2", "--record", "meas"};
        QTest::newRow("points") << QStringList{"import", "coor"};
    }
    void anOverlongLineIsRefusedAtOnce()
    {
        QFETCH(QStringList, words);
        const QString small = m_dir.filePath("small.txt");
        QVERIFY(WriteRepeated(small, "B,P%1,1087.296,2087.296,50.150,1.500,TREE,\r\n", 1));
        QCOMPARE(RunCli(Database(), {"import", "t5", small}).exitCode, 0);
        QCOMPARE(RunCli(Database(), {"point", "add", "KEEP", "1", "2", "3"}).exitCode, 0);

        const QString path = m_dir.filePath("long.txt");
        if (!QFile::exists(path)) // one file for every case
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("B,P1,1087.296,2087.296,50.150,1.500,TREE,\r\nC,P2,");
            const QByteArray filler(1024 * 1024, 'x');
            for (int i = 0; i < 16; ++i)
                QCOMPARE(file.write(filler), filler.size());
            file.write(",1,2,3,\r\n");
        }
        QStringList command = words;
        command.insert(2, path);
        QElapsedTimer clock;
        clock.start();
        const CliRun run = RunCli(Database(), command);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(run.Err(), QStringLiteral("Line 2 of the file is longer than 1048576 bytes: it is no file of records. "
                                           "Nothing was imported, the old rows are kept.\n"));
        QCOMPARE(Rows("select SN from \"740Meas\" order by ID"), QStringList{"P1"});
        QCOMPARE(Rows("select SN from CoorEdit order by ID"), (QStringList{"P1", "KEEP"}));
    }
};

QTEST_GUILESS_MAIN(TestCliImportMemory)
#include "tst_cli_import_memory.moc"
