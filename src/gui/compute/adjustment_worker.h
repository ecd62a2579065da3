#pragma once

#include "core/compute/adjustment/adjustment_result.h"
#include "core/compute/adjustment/network.h"
#include "gui/shell/worker.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

// What one adjustment works on, copied in when it starts.
struct AdjustmentInput
{
    Adjustment::Network network;
    bool heights = false;
    QHash<QString, QString> codes; // the known points' codes, by name, for the list
};

// One adjustment's result, with the input it came from (a re-run starts from it).
struct AdjustmentOutput
{
    AdjustmentInput input;
    Adjustment::PlanAdjustment plan;
    std::optional<Adjustment::HeightAdjustment> heights; // when asked for and the plan succeeded
};

// Adjusts on a worker of its own: a network of thousands of points takes seconds, and the
// window stays usable meanwhile. It touches neither the store nor the windows: the result
// comes back once, to be stored and shown on the window's thread.
class CAdjustmentWorker : public CWorker
{
    Q_OBJECT
public:
    using CWorker::CWorker;
    ~CAdjustmentWorker() override;

    void Start(AdjustmentInput input);

signals:
    // Where the plan adjustment stands: its iteration, or the precision after the last one.
    void Stepped(int iteration, bool precision);
    void Finished(std::shared_ptr<AdjustmentOutput> output);
};
