// The paced upload must cost the instrument's 100 ms per line plus the time the bytes need on
// the wire, and not more than 5% beyond that. Sends n points through a pseudo-terminal whose
// far side drains everything at once, and prints the measured time against that bound.
//
// usage: bench_upload [N ...]   (default 10 50 200)

#include "core/link/com_config.h"
#include "core/link/serial_port.h"
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "core/upload/upload_lines.h"
#include "core/upload/upload_transfer.h"
#include "core/views/data_kind.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace
{
// The instrument's side of the link: takes every byte as it comes and counts them.
class CDrain
{
public:
    CDrain()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            m_path = QString::fromLocal8Bit(ptsname(m_master));
        m_reader = std::thread([this] {
            char buffer[4096];
            while (!m_done)
            {
                pollfd fd{m_master, POLLIN, 0};
                if (poll(&fd, 1, 5) > 0)
                {
                    const ssize_t n = read(m_master, buffer, sizeof buffer);
                    if (n > 0)
                        m_received += n;
                }
            }
        });
    }
    ~CDrain()
    {
        m_done = true;
        m_reader.join();
        close(m_master);
    }
    QString Path() const { return m_path; }
    long Received() const { return m_received; }

private:
    int m_master = -1;
    QString m_path;
    std::thread m_reader;
    std::atomic<bool> m_done{false};
    std::atomic<long> m_received{0};
};

void FillPoints(CProjectStore& store, int count)
{
    RunStatement(store, QStringLiteral("delete from CoorEdit"));
    CTransaction transaction(store);
    for (int i = 1; i <= count; ++i)
        RunStatement(store,
                     QStringLiteral("insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(?,'Bench',?,"
                                    "'3456789.123','512345.678','123.456','TREE')"),
                     {i, QStringLiteral("P%1").arg(i)});
    transaction.Commit();
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QList<int> counts;
    for (const QString& word : QCoreApplication::arguments().mid(1))
        counts << word.toInt();
    if (counts.isEmpty())
        counts = {10, 50, 200};

    QTemporaryDir dir;
    CSilentReporter reporter;
    CProjectStore store(dir.filePath(QStringLiteral("bench.db")), &reporter);
    store.Connect();

    std::printf("%6s %8s %10s %10s %10s %10s %8s %12s\n", "points", "bytes", "measured", "n*100ms", "wire",
                "bound", "ratio", "over n*100");
    for (const int count : counts)
    {
        FillPoints(store, count);
        CDrain drain;
        UploadRequest request;
        request.kind = DataKind::UploadT5;
        request.config = ComConfig{}; // 9600 8N1
        request.devicePath = drain.Path();
        const long bytes = [&] {
            long total = 1; // EOT
            for (const QByteArray& line : BuildUploadLines(store, request.kind, 0).lines)
                total += line.size();
            return total;
        }();

        CSerialPort port;
        const std::atomic<bool> stop{false};
        QElapsedTimer timer;
        timer.start();
        const TransferResult result = SendUpload(port, request, BuildUploadLines(store, request.kind, 0).lines, stop);
        const double measured = timer.nsecsElapsed() / 1e6;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (result.status != Status::Done || drain.Received() != bytes)
        {
            std::fprintf(stderr, "upload of %d points did not complete (%ld of %ld bytes arrived)\n", count,
                         drain.Received(), bytes);
            return 1;
        }
        // 10 bits a byte at 9600 baud: start bit, eight data bits, stop bit.
        const double pauses = count * 100.0;
        const double wire = bytes * 10.0 * 1000.0 / BaudRateFromIndex(request.config.baudRate);
        const double bound = 1.05 * (pauses + wire);
        std::printf("%6d %8ld %8.1fms %8.0fms %8.1fms %8.1fms %8.4f %10.2f%%\n", count, bytes, measured, pauses, wire,
                    bound, measured / (pauses + wire), 100.0 * (measured - pauses) / pauses);
        if (measured > bound)
            std::printf("       over the bound\n");
    }
    store.Disconnect();
    return 0;
}
