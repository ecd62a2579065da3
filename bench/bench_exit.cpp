// The end of a desktop run on a project whose scratch tables hold many rows: starts the
// program on DATABASE (filled beforehand, for example by merion-cli import), shows the
// coordinates and scrolls to the end, then times the exit step, which closes the windows,
// empties the scratch tables and closes the store.
//   build/bench/bench_exit DATABASE
#include "gui/shell/command_actions.h"
#include "gui/app/merion_app.h"
#include "gui/views/plx_view.h"
#include "core/report/reporter.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: bench_exit DATABASE\n");
        return 2;
    }
    CSilentReporter reporter;
    CMerionApp app(AppOptions{QString::fromLocal8Bit(argv[1]), &reporter, false});
    if (!app.InitInstance())
        return 1;
    app.Commands().Run(Command::ShowCoor);
    app.View()->scrollToBottom();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    app.ExitInstance();
    std::printf("exit: %lld ms\n", static_cast<long long>(timer.elapsed()));
    return 0;
}
