// Stores a job of 100,000 distance pointings (1,000 setups of 100, each followed by the
// instrument's coordinates), then times reading the job from the store, turning its rows into
// setups and recomputing every point, and storing the result as CalcCoor. The figure that
// matters is recomputing against reading the job.
//   build/bench/bench_compute [observations]
#include "core/compute/polar.h"
#include "core/compute/setup_reader.h"
#include "core/report/reporter.h"
#include "core/results/job_source.h"
#include "core/results/result_store.h"
#include "core/store/bulk_insert.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/transaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace
{
bool StoreJob(CProjectStore& store, int observations)
{
    CTransaction transaction(store);
    CBulkInsert insert(store, Tbl::Meas740, Schema::FindTable(Tbl::Meas740)->ColumnNames());
    QRandomGenerator random(7);
    qlonglong id = 0;
    const auto add = [&](const char* kind, const QStringList& values) {
        return insert.Add(++id, QStringList{QStringLiteral("T5(T8)_Meas_") + QLatin1String(kind)} + values);
    };
    const int perSetup = 100;
    for (int setup = 0; setup * perSetup < observations; ++setup)
    {
        const double n = 3380000 + setup * 50.0, e = 500000 + setup * 30.0;
        const QString station = QStringLiteral("ST%1").arg(setup);
        if (!add("Station", {station, QString::number(n, 'f', 3), QString::number(e, 'f', 3), "50.000", {}, {}, {}, {}, "1.550"})
            || !add("Backsight-Coor", {QStringLiteral("BS%1").arg(setup), QString::number(n + 100, 'f', 3),
                                       QString::number(e, 'f', 3), "50.000", {}, "1.500", "0.0000", "100.000"}))
            return false;
        for (int i = 0; i < perSetup && setup * perSetup + i < observations; ++i)
        {
            const QString name = QStringLiteral("P%1").arg(setup * perSetup + i);
            const double ha = random.bounded(360.0), va = 80 + random.bounded(20.0), sd = 5 + random.bounded(500.0);
            if (!add("Dist", {name, {}, {}, {}, "TP", "1.500", {}, {}, {}, QString::number(ha, 'f', 4),
                              QString::number(va, 'f', 4), QString::number(sd, 'f', 3)})
                || !add("Measure-Coor", {name, QString::number(n + 10, 'f', 3), QString::number(e + 10, 'f', 3), "51.000",
                                         "TP", "1.500"}))
                return false;
        }
    }
    return insert.Finish() && transaction.Commit();
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int observations = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    CSilentReporter reporter;
    CProjectStore store(dir.filePath(QStringLiteral("bench.db")), &reporter);
    if (!store.Connect() || !StoreJob(store, observations))
        return 1;

    QElapsedTimer timer;
    timer.start();
    QList<JobRow> rows;
    if (!ReadJobRows(store, DataKind::Meas, rows).Succeeded())
        return 1;
    const double readMs = timer.nsecsElapsed() / 1e6;

    timer.restart();
    const QList<Setup> setups = ReadSetups(rows);
    const double setupsMs = timer.nsecsElapsed() / 1e6;

    timer.restart();
    const PolarResult result = ComputePoints(setups, {});
    const double computeMs = timer.nsecsElapsed() / 1e6;

    timer.restart();
    if (!StoreComputedPoints(store, result).Succeeded())
        return 1;
    const double storeMs = timer.nsecsElapsed() / 1e6;

    std::printf("%d observations, %lld rows, %lld setups, %lld points\n", observations, qlonglong(rows.size()),
                qlonglong(setups.size()), qlonglong(result.points.size()));
    std::printf("reading the job      %8.1f ms\n", readMs);
    std::printf("rows into setups     %8.1f ms\n", setupsMs);
    std::printf("recomputing points   %8.1f ms\n", computeMs);
    std::printf("storing CalcCoor     %8.1f ms\n", storeMs);
    std::printf("recompute (setups + points) / reading the job: %.3f\n", (setupsMs + computeMs) / readMs);
    return 0;
}
