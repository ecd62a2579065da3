#pragma once

#include "core/compute/adjustment/adjustment_result.h"
#include "core/compute/adjustment/network.h"

#include <vector>

namespace Adjustment
{
// Where one pointing alone puts its target, seen from the adjusted target: the direction's
// residual across the sight (times the distance) and the distance's along it, in metres. The
// plan draws them from the adjusted point, so a blunder shows as the one long arrow.
struct ResidualVector
{
    int station = -1; // indices into Network::points
    int target = -1;
    double north = 0.0;
    double east = 0.0;
};

// One vector per pointing whose direction or distance took part in the plan adjustment.
std::vector<ResidualVector> ResidualVectors(const Network& network, const PlanAdjustment& adjustment);
} // namespace Adjustment
