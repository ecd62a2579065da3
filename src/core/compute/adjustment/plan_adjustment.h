#pragma once

#include "core/compute/adjustment/adjustment_result.h"
#include "core/compute/adjustment/network.h"

namespace Adjustment
{
// The least-squares adjustment of the plan network: the coordinates of every point that is
// not fixed and one orientation per setup with directions, from the directions and the
// horizontal distances. Iterates from approximate coordinates until no coordinate moves by
// 0.1 mm or more. Standard deviations and ellipses are scaled by the a priori σ0 = 1.
PlanAdjustment AdjustPlan(const Network& network);

// The separate adjustment of the heights from the height differences (linear: one solution).
HeightAdjustment AdjustHeights(const Network& network);

// How far the last iteration may still move a coordinate (m).
inline constexpr double ConvergedCorrection = 1e-4;
inline constexpr int MostIterations = 30;
} // namespace Adjustment
