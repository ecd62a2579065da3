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
        // The adjustment looks at the flag between its steps: a cancelled network of thousands
        // of points stops within a fraction of a second, not at its end.
        output->plan = Adjustment::AdjustPlan(input.network, &stop,
                                              [this](Adjustment::AdjustmentStep step, int iteration) {
                                                  emit Stepped(iteration, step == Adjustment::AdjustmentStep::Precision);
                                              });
        if (output->plan.outcome.Succeeded() && input.heights && !stop)
            output->heights = Adjustment::AdjustHeights(input.network, &stop);
        if (stop)
            return; // nobody waits for this result any more
        emit Finished(output);
    });
}
