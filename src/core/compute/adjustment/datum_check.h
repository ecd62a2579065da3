#pragma once

#include "core/compute/adjustment/network.h"
#include "core/report/outcome.h"

#include <vector>

namespace Adjustment
{
// Which points the plan observations (directions, distances) join; a setup at a point
// observing only itself joins nothing.
std::vector<char> PointsInPlan(const Network& network);
// Which points the height differences join.
std::vector<char> PointsInHeights(const Network& network);

// Whether every connected part of the plan network has its datum: a part with unknowns needs
// a known point for its position and a second one for its orientation. The missing datum is
// named in words, before any matrix could turn out singular.
Outcome CheckPlanDatum(const Network& network);
// Whether every part of the height network has a known height.
Outcome CheckHeightDatum(const Network& network);
} // namespace Adjustment
