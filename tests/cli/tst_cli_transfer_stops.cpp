#include "cli_runner.h"
#include "file_bytes.h"
#include "recording_reporter.h"
#include "simulated_instrument.h"
#include "table_rows.h"
#include "core/store/project_store.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace
{
// A job long enough to be stopped in the middle: at 9600 baud its lines take seconds to arrive.
QByteArray LongJob()
{
    QByteArray job;
    for (int i = 1; i <= 600; ++i)
        job += QStringLiteral("A,P%1,3456789.100,512345.200,100.300\r\n").arg(i).toLatin1();
    return job;
}
} // namespace

// A transfer the user stops (Ctrl+C, a termination request) or that is killed outright keeps
// every byte received so far in downloads/, and the stored tables stay as they were.
class TestCliTransferStops : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Database() const { return m_dir.filePath(QStringLiteral("p.db")); }
    QString Downloads() const { return m_dir.filePath(QStringLiteral("downloads")); }

    QStringList Kept() const
    {
        const QDir folder(Downloads());
        QStringList files;
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
            files << folder.filePath(name);
        return files;
    }
    qint64 KeptSize() const
    {
        const QStringList files = Kept();
        return files.isEmpty() ? 0 : QFileInfo(files.first()).size();
    }

    QStringList Rows(const QString& sql)
    {
        CRecordingReporter reporter;
        CProjectStore store(Database(), &reporter);
        store.Connect();
        const QStringList rows = TableRows(store, sql);
        store.Disconnect();
        return rows;
    }

    void Seed()
    {
        QCOMPARE(RunCli(Database(), {"point", "add", "KEEP", "1", "2", "3"}).exitCode, 0);
    }

    // Starts a download of the long job and waits until some of it is on disk.
    void StartDownload(CSimulatedInstrument& instrument, QProcess& cli, const QByteArray& job)
    {
        QVERIFY(instrument.StartSending(job, 9600));
        StartCli(cli, Database(), {"download", "--instrument", "t5", "--device", instrument.DevicePath()});
        QTRY_VERIFY_WITH_TIMEOUT(KeptSize() >= 200, 10000);
    }

private slots:
    void init()
    {
        QFile::remove(Database());
        QDir(Downloads()).removeRecursively();
        Seed();
    }

    // The copy grows as the bytes arrive: a kill leaves what came before it.
    void aKilledDownloadLeavesTheReceivedBytes()
    {
        const QByteArray job = LongJob();
        CSimulatedInstrument instrument;
        QProcess cli;
        StartDownload(instrument, cli, job);
        ::kill(pid_t(cli.processId()), SIGKILL);
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(Kept().size(), 1);
        const QByteArray kept = FileBytes(Kept().first());
        QVERIFY(kept.size() >= 200 && kept.size() < job.size());
        QCOMPARE(kept, job.left(kept.size()));
        QCOMPARE(Rows(QStringLiteral("select SN from CoorEdit")), QStringList{"KEEP"});
    }

    // Ctrl+C and a termination request stop a download as its Cancel does: the bytes are
    // kept, the job is not parsed, and the shell hears 130.
    void aSignalledDownloadEndsAsACancel_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
    }
    void aSignalledDownloadEndsAsACancel()
    {
        QFETCH(int, signal);
        const QByteArray job = LongJob();
        CSimulatedInstrument instrument;
        QProcess cli;
        StartDownload(instrument, cli, job);
        ::kill(pid_t(cli.processId()), signal);
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 130);
        QCOMPARE(Kept().size(), 1);
        const QByteArray kept = FileBytes(Kept().first());
        QVERIFY(kept.size() >= 200 && kept.size() < job.size());
        QCOMPARE(kept, job.left(kept.size()));
        QCOMPARE(QString::fromUtf8(cli.readAllStandardError()),
                 QStringLiteral("The received data is kept in\n%1\n").arg(Kept().first()));
        QCOMPARE(Rows(QStringLiteral("select SN from CoorEdit")), QStringList{"KEEP"});
        QCOMPARE(Rows(QStringLiteral("select count(*) from \"740Meas\"")), QStringList{"0"});
    }

    // An upload stopped by Ctrl+C tells the instrument it is over (EOT) and ends with 130.
    void aSignalledUploadTellsTheInstrument()
    {
        QFile points(m_dir.filePath("points.txt"));
        QVERIFY(points.open(QIODevice::WriteOnly));
        points.write("KEEP,1,2,3,\r\n");
        for (int i = 1; i <= 30; ++i)
            points.write(QStringLiteral("P%1,1,2,3,\r\n").arg(i).toLatin1());
        points.close();
        QCOMPARE(RunCli(Database(), {"import", "coor", points.fileName()}).exitCode, 0);
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving());
        QProcess cli;
        StartCli(cli, Database(), {"upload", "--instrument", "t5", "--device", instrument.DevicePath()});
        QVERIFY(instrument.WaitForLine(QStringLiteral("line 2")));
        ::kill(pid_t(cli.processId()), SIGINT);
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 130);
        QVERIFY(instrument.WaitForFinished());
        const QByteArray received = instrument.Received();
        QVERIFY(received.startsWith("KEEP,"));
        QVERIFY(received.endsWith('\x04'));
        QVERIFY(received.count('\n') < 31); // stopped before the last of the 31 lines
    }
};

QTEST_GUILESS_MAIN(TestCliTransferStops)
#include "tst_cli_transfer_stops.moc"
