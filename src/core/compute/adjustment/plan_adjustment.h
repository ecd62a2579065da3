#pragma once

#include "core/compute/adjustment/adjustment_result.h"
#include "core/compute/adjustment/network.h"

#include <atomic>
#include <functional>

namespace Adjustment
{
// Where a running adjustment stands: before each solution of an iteration (counted from 1), or
// computing the cofactors of the precision, the long last step of a large network.
enum class AdjustmentStep
{
    Iterating,
    Precision,
};
using StepSink = std::function<void(AdjustmentStep step, int iteration)>;

// The least-squares adjustment of the plan network: the coordinates of every point that is
// not fixed and one orientation per setup with directions, from the directions and the
// horizontal distances. Iterates from approximate coordinates until no coordinate moves by
// 0.1 mm or more. Standard deviations and ellipses are scaled by the a priori σ0 = 1.
// `stop`, when given, is looked at between the steps of the work (each iteration, and every
// few hundred unknowns of the cofactors); once raised the adjustment ends Cancelled with no
// result. `step`, when given, is told where the adjustment stands, on the adjustment's thread.
PlanAdjustment AdjustPlan(const Network& network, const std::atomic<bool>* stop = nullptr, const StepSink& step = {});

// The separate adjustment of the heights from the height differences (linear: one solution).
HeightAdjustment AdjustHeights(const Network& network, const std::atomic<bool>* stop = nullptr);

// How far the last iteration may still move a coordinate (m).
inline constexpr double ConvergedCorrection = 1e-4;
inline constexpr int MostIterations = 30;
} // namespace Adjustment
