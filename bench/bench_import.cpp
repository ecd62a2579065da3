// Imports a coordinate file into a project database, as the import command does, and prints
// the time it took. bench/import_vs_sqlite.sh runs it beside sqlite3's own .import.
#include "core/files/text_import.h"
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "words/result_words.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace
{
class CPrintingReporter final : public IReporter
{
public:
    void Message(const QString& text, MessageIcon) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool Confirm(const QString&) override { return true; }
};
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: bench_import FILE DATABASE [FORMAT 1..8]\n");
        return 2;
    }
    const int format = argc > 3 ? std::atoi(argv[3]) : 1;
    CPrintingReporter reporter;
    CProjectStore store(QString::fromLocal8Bit(argv[2]), &reporter);
    if (!store.Connect())
        return 1;
    QElapsedTimer timer;
    timer.start();
    const Outcome outcome = ImportFile(store, ImportType::Coor, format - 1, QString::fromLocal8Bit(argv[1]));
    const qint64 elapsed = timer.elapsed();
    store.Disconnect();
    std::printf("merion import: %lld ms\n", static_cast<long long>(elapsed));
    if (const UserMessage message = MessageOf(outcome); !message.text.isEmpty())
        reporter.Message(message.text, message.icon);
    return outcome.Succeeded() ? 0 : 1;
}
