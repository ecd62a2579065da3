#include "cli_runner.h"
#include "file_bytes.h"
#include "recording_reporter.h"
#include "simulated_instrument.h"
#include "table_rows.h"
#include "core/store/project_store.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

#include <csignal>

namespace
{
constexpr int Points = 20000;

// What the point list holds, in a few numbers: how many rows, how many name characters in all,
// the first and the last name.
QString Signature(int rows, qint64 characters, const QString& first, const QString& last)
{
    return QStringLiteral("%1|%2|%3|%4").arg(rows).arg(characters).arg(first, last);
}
const QString EmptyList = Signature(0, 0, QString(), QString());

// A point file of `Points` points named <prefix>1 … and the signature it gives the list,
// worked from the names themselves.
struct PointFile
{
    QString path;
    QString signature;
};
PointFile WritePoints(const QString& path, const QString& prefix)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QStringList names;
    qint64 characters = 0;
    for (int i = 1; i <= Points; ++i)
    {
        names << prefix + QString::number(i);
        characters += names.last().size();
        file.write(QStringLiteral("%1,%2.000,2000.000,30.000,C\r\n").arg(names.last()).arg(i).toLatin1());
    }
    const auto [first, last] = std::minmax_element(names.begin(), names.end());
    return {path, Signature(Points, characters, *first, *last)};
}

// Kills `process` with SIGKILL as soon as `reached` holds; true when it was killed, false when
// it ended first.
bool KillWhen(QProcess& process, const std::function<bool()>& reached)
{
    while (!process.waitForFinished(1))
    {
        if (process.state() == QProcess::NotRunning)
            return false;
        if (reached())
        {
            ::kill(pid_t(process.processId()), SIGKILL);
            process.waitForFinished(10000);
            return true;
        }
    }
    return false;
}

qint64 SizeOf(const QString& path)
{
    return QFileInfo(path).size();
}
} // namespace

// merion-cli killed outright at random points of an import, a delete and a download: the
// project is never damaged, every table holds either what it held before or the whole new
// content, and every byte received before the kill is in downloads/.
class TestCliCrashConsistency : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const quint32 m_seed = QRandomGenerator::global()->generate();
    QRandomGenerator m_random{m_seed};

    QString Database() const { return m_dir.filePath("p.db"); }

    // Opens the project as the next command would (recovering its journal), checks it whole,
    // and gives the point list's signature.
    QString CheckedList()
    {
        CRecordingReporter reporter;
        CProjectStore store(Database(), &reporter);
        store.Connect();
        const QStringList check = TableRows(store, "PRAGMA integrity_check");
        const QStringList list = TableRows(store, "select count(*), coalesce(sum(length(SN)), 0), coalesce(min(SN), ''), "
                                                  "coalesce(max(SN), '') from CoorEdit");
        store.Disconnect();
        if (check != QStringList{"ok"} || !reporter.Messages().isEmpty())
            return QStringLiteral("damaged: ") + check.join(' ') + reporter.Messages().join(' ');
        return list.value(0);
    }

    // The size the journal reaches at a random point of a write of about `bytes`.
    qint64 RandomJournalSize(qint64 bytes) { return qint64(m_random.bounded(double(bytes))); }

private slots:
    void initTestCase()
    {
        qInfo("random points from seed %u", m_seed);
    }

    void killedImportsLeaveTheOldListOrTheNew()
    {
        const PointFile files[] = {WritePoints(m_dir.filePath("a.txt"), "A"), WritePoints(m_dir.filePath("b.txt"), "B")};
        QCOMPARE(RunCli(Database(), {"import", "coor", files[0].path}).exitCode, 0);
        QCOMPARE(CheckedList(), files[0].signature);
        QString before = files[0].signature;
        for (int round = 1; round <= 4; ++round)
        {
            const PointFile& next = files[round % 2];
            QProcess cli;
            StartCli(cli, Database(), {"import", "coor", next.path});
            const qint64 at = RandomJournalSize(2 * 1024 * 1024);
            const bool killed = KillWhen(cli, [&] { return SizeOf(Database() + "-wal") >= at; });
            const QString after = CheckedList();
            QVERIFY2(after == before || after == next.signature,
                     qPrintable(QStringLiteral("round %1 (%2 at %3 bytes): %4").arg(round).arg(killed ? "killed" : "ended").arg(at).arg(after)));
            before = after;
        }
    }

    void killedDeletesLeaveTheOldListOrNone()
    {
        const PointFile points = WritePoints(m_dir.filePath("c.txt"), "C");
        for (int round = 1; round <= 3; ++round)
        {
            QCOMPARE(RunCli(Database(), {"import", "coor", points.path}).exitCode, 0);
            QCOMPARE(CheckedList(), points.signature);
            QProcess cli;
            StartCli(cli, Database(), {"point", "clear"});
            const qint64 start = SizeOf(Database() + "-wal");
            const qint64 at = start + RandomJournalSize(256 * 1024);
            KillWhen(cli, [&] { return SizeOf(Database() + "-wal") >= at; });
            const QString after = CheckedList();
            QVERIFY2(after == points.signature || after == EmptyList, qPrintable(after));
        }
    }

    void killedDownloadsKeepTheirBytesAndTheOldList()
    {
        QByteArray job;
        for (int i = 1; i <= 60; ++i)
            job += QStringLiteral("A,D%1,%1.0,2.0,3.0\r\n").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        // Worked from the job: 60 points D01 … D60 with names of three characters.
        const QString downloaded = Signature(60, 180, "D01", "D60");
        const QDir downloads(m_dir.filePath("downloads"));
        for (int round = 1; round <= 3; ++round)
        {
            const QString before = CheckedList();
            const QStringList keptBefore = downloads.entryList(QDir::Files);
            CSimulatedInstrument instrument;
            QVERIFY(instrument.StartSending(job, 19200));
            QProcess cli;
            StartCli(cli, Database(), {"download", "--instrument", "t8", "--device", instrument.DevicePath()});
            const qint64 at = 1 + m_random.bounded(job.size());
            const auto keptSize = [&] {
                const QStringList now = downloads.entryList(QDir::Files);
                qint64 size = 0;
                for (const QString& name : now)
                    if (!keptBefore.contains(name))
                        size = SizeOf(downloads.filePath(name));
                return size;
            };
            const bool killed = KillWhen(cli, [&] { return keptSize() >= at; });
            const QString after = CheckedList();
            QVERIFY2(after == before || after == downloaded, qPrintable(after));
            // The bytes that had arrived are kept, as they came.
            QStringList kept = downloads.entryList(QDir::Files);
            for (const QString& name : keptBefore)
                kept.removeOne(name);
            QCOMPARE(kept.size(), 1);
            const QByteArray bytes = FileBytes(downloads.filePath(kept.first()));
            QVERIFY(bytes.size() >= (killed ? at : job.size()));
            QCOMPARE(bytes, job.left(bytes.size()));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliCrashConsistency)
#include "tst_cli_crash_consistency.moc"
