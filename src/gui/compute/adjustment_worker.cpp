#include "gui/compute/adjustment_worker.h"

#include "core/compute/adjustment/plan_adjustment.h"

CAdjustmentWorker::~CAdjustmentWorker()
{
    StopAndWait();
}

void CAdjustmentWorker::Start(AdjustmentInput input)
{
    Launch([this, input = std::move(input)](const std::atomic<bool>& stop) {
        auto output = std::make_shared<AdjustmentOutput>();
        output->input = input;
        output->plan = Adjustment::AdjustPlan(input.network);
        if (output->plan.outcome.Succeeded() && input.heights && !stop)
            output->heights = Adjustment::AdjustHeights(input.network);
        if (stop)
            return; // nobody waits for this result any more
        emit Finished(output);
    });
}
