// A parsing download of a 3,000-point job must take no more than 5% longer than its bytes
// need on the wire. The simulated instrument sends the job paced at 115200 baud (10 bits a
// byte) on a pseudo-terminal; the clock runs from the press of "解析下载" until the dialog has
// closed and the list shows the job. Prints the measured time against the wire time.
//
// usage: bench_download [POINTS] [MERION-SIM]   (default 3000, the merion-sim of this build)

#include "gui/shell/command_actions.h"
#include "gui/app/merion_app.h"
#include "gui/download/download_dlg.h"
#include "core/link/com_config.h"
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "gui/views/plx_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace
{
// Stations every hundred points, each point measured (angles and distance) and its coordinates.
QByteArray JobOf(int points)
{
    QByteArray job;
    for (int i = 1; i <= points; ++i)
    {
        if (i % 100 == 1)
            job += QStringLiteral("C,ST%1,STN,3456700.000,512300.000,100.000,1.600\r\n").arg(i / 100 + 1).toLatin1();
        job += QStringLiteral("E,P%1,TREE,89.5959,%2,1.500,%3\r\n")
                   .arg(i)
                   .arg(double(i % 360) + 0.1234, 0, 'f', 4)
                   .arg(100.0 + i * 0.01, 0, 'f', 3)
                   .toLatin1();
        job += QStringLiteral("B,P%1,TREE,%2,%3,100.123,1.500\r\n")
                   .arg(i)
                   .arg(3456789.0 + i * 0.5, 0, 'f', 3)
                   .arg(512345.0 + i * 0.25, 0, 'f', 3)
                   .toLatin1();
    }
    return job;
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList words = QCoreApplication::arguments().mid(1);
    const int points = words.isEmpty() ? 3000 : words[0].toInt();
    const QString simulator = words.size() > 1 ? words[1]
                                               : QCoreApplication::applicationDirPath() +
                                                     QStringLiteral("/../tests/tools/merion-sim");

    QTemporaryDir dir;
    const QByteArray job = JobOf(points);
    const QString jobPath = dir.filePath(QStringLiteral("job.txt"));
    {
        QFile file(jobPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(job) != job.size())
            return 1;
    }

    QProcess instrument;
    instrument.start(simulator, {QStringLiteral("send"), jobPath, QStringLiteral("--baud"), QStringLiteral("115200")});
    if (!instrument.waitForStarted() || !instrument.waitForReadyRead(10000))
    {
        std::fprintf(stderr, "bench_download: cannot start %s\n", qPrintable(simulator));
        return 1;
    }
    qputenv("MERION_COM1", instrument.readLine().trimmed());

    CSilentReporter reporter;
    CMerionApp app(AppOptions{dir.filePath(QStringLiteral("bench.db")), &reporter, false});
    if (!app.InitInstance())
        return 1;
    ComConfig config;
    config.baudRate = 7; // 115200
    SaveComConfig(app.Store(), config);

    app.Commands().Run(Command::Download);
    QPointer<CDownloadDlg> dialog = qobject_cast<CDownloadDlg*>(app.Transfers().downloadDialog.data());
    QEventLoop loop;
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    dialog->findChild<QPushButton*>(QStringLiteral("parseButton"))->click();
    loop.exec();
    const double measured = double(timer.nsecsElapsed()) / 1e9;

    const long bytes = long(job.size()) + 1; // and the EOT
    const double wire = double(bytes) * 10.0 / 115200.0;
    std::printf("%6s %8s %6s %10s %10s %8s\n", "points", "bytes", "rows", "measured", "wire", "ratio");
    std::printf("%6d %8ld %6d %9.3fs %9.3fs %8.4f\n", points, bytes, app.View()->RowCount(), measured, wire,
                measured / wire);
    app.ExitInstance();
    instrument.kill();
    instrument.waitForFinished();
    return 0;
}
