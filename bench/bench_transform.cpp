// Transforms 1,000,000 points from CGCS2000 zone 39 to zone 40 and prints the time beside
// PROJ's own cs2cs doing the same points:
//   the conversion alone (the arrays PROJ runs over) against cs2cs, the conversion of the
//   stored point list written as CSV (read from the project, converted, written: the work of
//   `merion-cli transform --output`) against cs2cs reading and writing its text files.
// Usage: bench_transform [POINTS] (default 1000000); needs cs2cs on the PATH.
#include "core/geodesy/list_transform.h"
#include "core/geodesy/point_transform.h"
#include "core/geodesy/system_store.h"
#include "core/report/reporter.h"
#include "core/store/bulk_insert.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/transaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace
{
class CPrintingReporter final : public IReporter
{
public:
    void Message(const QString& text, MessageIcon) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool Confirm(const QString&) override { return true; }
};

constexpr int Zone39 = 4527;
constexpr int Zone40 = 4528;

// Milliseconds of the fastest of three runs: the machine is shared and a run may be interrupted.
template <typename Work>
double Fastest(Work work)
{
    double best = 1e300;
    for (int run = 0; run < 3; ++run)
    {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const QString cs2cs = QStandardPaths::findExecutable(QStringLiteral("cs2cs"));
    if (cs2cs.isEmpty() || count <= 0)
    {
        std::fprintf(stderr, "usage: bench_transform [POINTS]; cs2cs (proj-bin) must be on the PATH\n");
        return 2;
    }
    QTemporaryDir dir;
    // Points spread over the east half of zone 39, up to its boundary with zone 40.
    std::vector<double> north(static_cast<size_t>(count)), east(static_cast<size_t>(count));
    QRandomGenerator random(24);
    QByteArray text;
    text.reserve(qsizetype(count) * 28);
    for (int i = 0; i < count; ++i)
    {
        north[size_t(i)] = 3300000.0 + random.bounded(1200000.0);
        east[size_t(i)] = 39500000.0 + random.bounded(140000.0);
        text += QByteArray::number(north[size_t(i)], 'f', 4) + ' ' + QByteArray::number(east[size_t(i)], 'f', 4) + '\n';
    }
    const QString input = dir.filePath(QStringLiteral("points.txt"));
    const QString output = dir.filePath(QStringLiteral("cs2cs.txt"));
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return 1;
    }

    // cs2cs, text in and out, as a surveyor would run it.
    const double cs2csMs = Fastest([&] {
        QProcess process;
        process.setStandardInputFile(input);
        process.setStandardOutputFile(output);
        process.start(cs2cs, {QStringLiteral("-f"), QStringLiteral("%.4f"), QStringLiteral("EPSG:4527"),
                              QStringLiteral("EPSG:4528")});
        process.waitForFinished(-1);
    });

    // The conversion itself over the arrays.
    const CPointTransform transform(CoordinateSystem::Epsg(Zone39), CoordinateSystem::Epsg(Zone40));
    const double arraysMs = Fastest([&] {
        std::vector<double> n = north, e = east;
        if (transform.Apply(n, e) >= 0)
            std::fprintf(stderr, "a point was refused\n");
    });

    // The stored list converted and written as CSV.
    CPrintingReporter reporter;
    CProjectStore store(dir.filePath(QStringLiteral("bench.db")), &reporter);
    if (!store.Connect() || !WriteProjectSystem(store, CoordinateSystem::Epsg(Zone39)).Succeeded())
        return 1;
    {
        CTransaction transaction(store);
        CBulkInsert insert(store, Tbl::CoorEdit, Schema::FindTable(Tbl::CoorEdit)->ColumnNames());
        for (int i = 0; i < count; ++i)
            insert.Add(i + 1, {QByteArray("Import_Data"), QByteArray::number(i + 1),
                               QByteArray::number(north[size_t(i)], 'f', 3), QByteArray::number(east[size_t(i)], 'f', 3),
                               QByteArray("10.000"), QByteArray("K")});
        if (!insert.Finish() || !transaction.Commit())
            return 1;
    }
    const QString csv = dir.filePath(QStringLiteral("merion.csv"));
    const double listMs = Fastest([&] {
        if (!WriteTransformedPoints(store, CoordinateSystem::Epsg(Zone40), csv, false).Succeeded())
            std::fprintf(stderr, "the list was not written\n");
    });
    store.Disconnect();

    std::printf("points: %d\n", count);
    std::printf("cs2cs (text in, text out): %.0f ms\n", cs2csMs);
    std::printf("merion conversion of the arrays: %.0f ms (%.2f x cs2cs)\n", arraysMs, arraysMs / cs2csMs);
    std::printf("merion list read, converted and written as CSV: %.0f ms (%.2f x cs2cs)\n", listMs, listMs / cs2csMs);
    return 0;
}
