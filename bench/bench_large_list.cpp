// A million points through the desktop program's windows: how long the plan takes to draw its
// first points and all of them, how long sorting the list by name takes, how long the list's
// columns take to fit the widest name, and the longest time the window's thread was kept from
// its events meanwhile (a 1 ms timer measures the gaps). With --shots, pictures of the plan
// while it loads, of the list while it sorts and once sorted are written as <prefix>-plan.png,
// <prefix>-sorting.png and <prefix>-sorted.png.
//   build/bench/bench_large_list [rows] [--lang zh|en] [--shots prefix]
#include "core/report/reporter.h"
#include "core/store/bulk_insert.h"
#include "core/store/project_store.h"
#include "core/store/transaction.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/app/ui_language.h"
#include "gui/plan/plan_canvas.h"
#include "gui/plan/plan_tab.h"
#include "gui/shell/command_actions.h"
#include "gui/views/plx_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

namespace
{
// The longest gap between two ticks of a 1 ms timer while `done` is false, and how long it took.
struct Waited
{
    qint64 elapsedMs = 0;
    qint64 longestStallMs = 0;
};

Waited WaitUntil(const std::function<bool()>& done, const std::function<void(qint64)>& onTick = {})
{
    Waited waited;
    QElapsedTimer clock, sinceTick;
    clock.start();
    sinceTick.start();
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        waited.longestStallMs = std::max(waited.longestStallMs, sinceTick.restart());
        if (onTick)
            onTick(clock.elapsed());
    });
    ticker.start();
    while (!done())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    waited.longestStallMs = std::max(waited.longestStallMs, sinceTick.elapsed());
    waited.elapsedMs = clock.elapsed();
    return waited;
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int rows = arguments.size() > 1 && arguments[1].toInt() > 0 ? arguments[1].toInt() : 1000000;
    InstallUiLanguage(application, ChooseUiLanguage(LanguageArgument(arguments), QLocale::system()).value_or(UiLanguage::Chinese));
    const qsizetype shotsAt = arguments.indexOf(QStringLiteral("--shots"));
    const QString shots = shotsAt > 0 ? arguments.value(shotsAt + 1) : QString();

    QTemporaryDir dir;
    CSilentReporter reporter;
    CMerionApp app(AppOptions{dir.filePath(QStringLiteral("bench.db")), &reporter, true});
    if (!app.InitInstance())
        return 1;
    // P1 … P<rows>, stored in a shuffled order, scattered over a square kilometre.
    QElapsedTimer timer;
    timer.start();
    {
        std::vector<int> numbers(static_cast<size_t>(rows));
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), *QRandomGenerator::global());
        CTransaction transaction(app.Store());
        CBulkInsert insert(app.Store(), QStringLiteral("CoorEdit"), {"ID", "ATTR", "SN", "NCOOR", "ECOOR", "ZCOOR", "CODE"});
        QRandomGenerator random(7);
        for (int i = 0; i < rows; ++i)
        {
            const QByteArray name = "P" + QByteArray::number(numbers[size_t(i)]);
            const QByteArray north = QByteArray::number(3400000 + random.bounded(1000.0), 'f', 3);
            const QByteArray east = QByteArray::number(500000 + random.bounded(1000.0), 'f', 3);
            insert.Add(i + 1, {"Import_Data", name, north, east, "12.500", "TREE"});
        }
        insert.Finish();
        transaction.Commit();
    }
    std::printf("rows stored: %d in %lld ms\n", rows, static_cast<long long>(timer.elapsed()));

    CMainFrame* frame = app.MainFrame();
    frame->resize(1000, 640);
    frame->show();
    CPlanTab* plan = frame->PlanTab();
    CPlxView* list = app.View();

    // The list first: shown, then fitted to its widest name.
    timer.restart();
    app.Commands().Run(Command::ShowCoor);
    std::printf("list shown: %lld ms\n", static_cast<long long>(timer.elapsed()));
    const int nameWidth = list->columnWidth(2);
    const Waited fitted = WaitUntil([&] { return list->columnWidth(2) != nameWidth || timer.elapsed() > 10000; });
    std::printf("name column widened from %d to %d px after %lld ms (longest stall %lld ms)\n", nameWidth,
                list->columnWidth(2), static_cast<long long>(fitted.elapsedMs),
                static_cast<long long>(fitted.longestStallMs));

    // The plan: to its first drawn points, then to the end.
    // Shown, the plan reads the list it has not read yet.
    frame->ClientTabs()->setCurrentWidget(plan);
    bool shot = false;
    const Waited first = WaitUntil([&] { return !plan->Canvas().Data().points.empty() || !plan->ReloadPending(); });
    std::printf("plan: first points drawn (%zu of them) after %lld ms (longest stall %lld ms)\n",
                plan->Canvas().Data().points.size(), static_cast<long long>(first.elapsedMs),
                static_cast<long long>(first.longestStallMs));
    const Waited all = WaitUntil([&] { return !plan->ReloadPending(); }, [&](qint64) {
        if (!shot && !shots.isEmpty() && plan->Canvas().IsLoading() && !plan->Canvas().Data().points.empty())
        {
            frame->grab().save(shots + QStringLiteral("-plan.png"));
            shot = true;
        }
    });
    std::printf("plan: all %zu points after %lld ms more (longest stall %lld ms)\n", plan->Canvas().Data().points.size(),
                static_cast<long long>(all.elapsedMs), static_cast<long long>(all.longestStallMs));

    // Sorting by name, ascending.
    frame->ClientTabs()->setCurrentWidget(list);
    QApplication::processEvents();
    timer.restart();
    list->SortByColumn(2);
    const qint64 clickMs = timer.elapsed();
    bool sortShot = false;
    const Waited sorted = WaitUntil([&] { return !list->IsSorting(); }, [&](qint64 elapsed) {
        if (!sortShot && !shots.isEmpty() && list->IsSorting() && elapsed > 300)
        {
            frame->grab().save(shots + QStringLiteral("-sorting.png"));
            sortShot = true;
        }
    });
    list->viewport()->repaint();
    std::printf("sort by name: the click returned after %lld ms, sorted after %lld ms (longest stall %lld ms); "
                "first rows %s, %s, %s\n",
                static_cast<long long>(clickMs), static_cast<long long>(sorted.elapsedMs),
                static_cast<long long>(sorted.longestStallMs), qPrintable(list->CellText(0, 2)),
                qPrintable(list->CellText(1, 2)), qPrintable(list->CellText(2, 2)));
    if (!shots.isEmpty())
        frame->grab().save(shots + QStringLiteral("-sorted.png"));
    app.ExitInstance();
    return 0;
}
