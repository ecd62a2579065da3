// Fills the coordinate list with 100,000 rows and reports how long the show command takes
// (query, cell texts, model, first paint), how long scrolling to the last row and back takes,
// and the process's peak memory.
//   build/bench/bench_list_fill [rows]
#include "gui/shell/command_actions.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "gui/views/plx_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.db"));
    CSilentReporter reporter;
    CMerionApp app(AppOptions{path, &reporter, true});
    if (!app.InitInstance())
        return 1;
    {
        CTransaction tx(app.Store());
        CStatement insert(app.Store(), InsertInto(Tbl::CoorEdit, Schema::FindTable(Tbl::CoorEdit)->ColumnNames()));
        for (int i = 1; i <= rows; ++i)
        {
            insert.BindInteger(1, i);
            insert.BindText(2, QStringLiteral("Import_Data"));
            insert.BindText(3, QStringLiteral("P%1").arg(i));
            insert.BindText(4, QString::number(3456789.123 + i, 'f', 3));
            insert.BindText(5, QString::number(512345.678 + i, 'f', 3));
            insert.BindText(6, QString::number(100.0 + i % 50, 'f', 3));
            insert.BindText(7, QStringLiteral(" TREE "));
            insert.Execute();
        }
        tx.Commit();
    }
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    app.Commands().Run(Command::ShowCoor);
    app.View()->viewport()->repaint();
    QApplication::processEvents();
    const qint64 elapsed = timer.elapsed();

    // To the last row and back to the first, each painted.
    timer.restart();
    app.View()->scrollToBottom();
    app.View()->viewport()->repaint();
    app.View()->scrollToTop();
    app.View()->viewport()->repaint();
    QApplication::processEvents();
    const qint64 scrolled = timer.elapsed();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("rows shown: %d\nshow coordinates: %lld ms\nscroll to the end and back: %lld ms\npeak memory: %.1f MiB\n",
                app.View()->RowCount(), static_cast<long long>(elapsed), static_cast<long long>(scrolled),
                usage.ru_maxrss / 1024.0);
    app.ExitInstance();
    return 0;
}
