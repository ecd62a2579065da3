#include "gui/plan/plan_loader.h"

#include "core/store/project_store.h"

#include <QElapsedTimer>

namespace
{
// The first points are shown after this long, so that a plan that reads at once never flickers.
constexpr qint64 FirstPartialMs = 200;
}

CPlanLoader::~CPlanLoader()
{
    StopAndWait();
}

void CPlanLoader::Start(const QString& databasePath, DataKind kind)
{
    Launch([this, databasePath, kind](const std::atomic<bool>& stop) {
        auto plan = std::make_shared<LoadedPlan>();
        plan->kind = kind;
        {
            CKeptMessages kept(plan->messages);
            CProjectStore reader(databasePath, &kept);
            // Where the rows cannot even be counted they cannot be read: the store has said why.
            const std::optional<qint64> rows = PlanRowsToRead(reader, kind);
            const qint64 total = rows.value_or(0);
            emit Progress(0, total);
            // What is read so far is shown now and then: each time it has doubled, so that all
            // the copies together cost no more than the reading once more.
            QElapsedTimer clock;
            clock.start();
            size_t shown = 0;
            PlanReadWatch watch;
            watch.onStep = [&](const PlanData& soFar, qint64 read) {
                if (stop)
                    return false;
                emit Progress(read, total);
                if (clock.elapsed() >= FirstPartialMs && soFar.points.size() >= 2 * std::max<size_t>(shown, 1))
                {
                    auto partial = std::make_shared<LoadedPlan>();
                    partial->kind = kind;
                    partial->data = soFar;
                    partial->grid = CPointGrid(partial->data);
                    shown = soFar.points.size();
                    emit Partial(partial);
                }
                return true;
            };
            if (rows)
                plan->data = ReadPlanData(reader, kind, &watch);
            else
                plan->data.readFailed = true;
            reader.Disconnect();
        }
        if (stop)
            return; // nobody waits for this picture any more
        plan->grid = CPointGrid(plan->data);
        emit Loaded(plan);
    });
}
