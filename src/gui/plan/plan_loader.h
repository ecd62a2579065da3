#pragma once

#include "core/plan/plan_data.h"
#include "core/plan/point_grid.h"
#include "core/report/reporter.h"
#include "core/views/data_kind.h"
#include "gui/shell/kept_messages.h"
#include "gui/shell/worker.h"

#include <memory>

// The points of a plan as read from the project, with what the reading had to tell the user.
struct LoadedPlan
{
    PlanData data;
    CPointGrid grid;
    DataKind kind = DataKind::None;
    KeptMessageList messages;
};

// Reads the plan on a worker of its own: a million rows take seconds, and the window stays
// usable meanwhile. The worker opens its own connection to the project file, tells how many
// rows it has read, hands over the points read so far now and then, and ends with one result;
// it never touches the windows' store.
class CPlanLoader : public CWorker
{
    Q_OBJECT
public:
    using CWorker::CWorker;
    ~CPlanLoader() override;

    void Start(const QString& databasePath, DataKind kind);

signals:
    void Progress(qint64 read, qint64 total);
    // Part of the points, to draw while the rest is read (no messages: they come at the end).
    void Partial(std::shared_ptr<LoadedPlan> plan);
    void Loaded(std::shared_ptr<LoadedPlan> plan);
};
