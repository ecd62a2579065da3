// Puts a million points (a 2 km by 1 km survey) into CoorEdit, shows them in the plan tab
// and reports how long reading them takes and how long one frame takes: everything in view,
// zoomed in step by step, and panning at each zoom.
//   build/bench/bench_plan_frame [points]
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/plan/plan_canvas.h"
#include "gui/plan/plan_tab.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace
{
// Processor time of this process in milliseconds: on a shared machine the wall clock also
// counts the other programs' turns.
double CpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The median and the worst of `frames` repaints, each after `move` changed the picture.
template <typename Move>
void MeasureFrames(CPlanCanvas& canvas, const char* what, int frames, Move move)
{
    std::vector<double> times;
    std::vector<double> cpu;
    for (int i = 0; i < frames; ++i)
    {
        move(i);
        const double start = CpuMilliseconds();
        canvas.grab(); // paints the frame as the screen would, also without a display
        cpu.push_back(CpuMilliseconds() - start);
        times.push_back(canvas.LastFrameMilliseconds());
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-24s frame median %7.2f ms, worst %7.2f ms; processor median %7.2f ms  (%zu dots, %zu labels)\n",
                what, times[times.size() / 2], times.back(), cpu[cpu.size() / 2], canvas.LastScene().dots.size(),
                canvas.LastScene().labels.size());
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int points = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;

    QTemporaryDir dir;
    CSilentReporter reporter;
    CMerionApp app(AppOptions{dir.filePath(QStringLiteral("bench.db")), &reporter, false});
    if (!app.InitInstance())
        return 1;
    {
        CTransaction tx(app.Store());
        CStatement insert(app.Store(), InsertInto(Tbl::CoorEdit, Schema::FindTable(Tbl::CoorEdit)->ColumnNames()));
        QRandomGenerator random(1);
        for (int i = 1; i <= points; ++i)
        {
            insert.BindInteger(1, i);
            insert.BindText(2, QStringLiteral("Import_Data"));
            insert.BindText(3, QStringLiteral("P%1").arg(i));
            insert.BindText(4, QString::number(3456000 + random.bounded(1000.0), 'f', 3));
            insert.BindText(5, QString::number(512000 + random.bounded(2000.0), 'f', 3));
            insert.BindText(6, QStringLiteral("10.000"));
            insert.BindText(7, QStringLiteral("PT"));
            insert.Execute();
        }
        tx.Commit();
    }

    CMainFrame& frame = *app.MainFrame();
    frame.resize(1600, 1000);
    frame.show();
    CPlanTab& tab = *frame.PlanTab();
    frame.ClientTabs()->setCurrentWidget(&tab);
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = CpuMilliseconds();
    tab.Reload();
    while (tab.ReloadPending())
    {
        QThread::msleep(20);
        QCoreApplication::processEvents();
    }
    std::printf("%d points read and indexed (on the reading thread): %lld ms (processor %.0f ms)\n", points, timer.elapsed(),
                CpuMilliseconds() - cpuStart);

    CPlanCanvas& canvas = tab.Canvas();
    std::printf("canvas %dx%d\n", canvas.width(), canvas.height());
    const QPointF middle(canvas.width() / 2.0, canvas.height() / 2.0);
    for (const double zoom : {1.0, 8.0, 64.0, 512.0})
    {
        canvas.FitAll();
        canvas.ZoomAround(middle, zoom);
        char what[64];
        std::snprintf(what, sizeof what, "zoom x%g, still", zoom);
        MeasureFrames(canvas, what, 9, [](int) {});
        std::snprintf(what, sizeof what, "zoom x%g, panning", zoom);
        MeasureFrames(canvas, what, 9, [&canvas](int i) { canvas.PanBy(QPointF(i % 2 ? 37 : -29, 23)); });
    }
    app.ExitInstance();
    return 0;
}
