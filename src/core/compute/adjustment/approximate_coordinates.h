#pragma once

#include "core/compute/adjustment/network.h"
#include "core/report/outcome.h"

#include <optional>
#include <vector>

namespace Adjustment
{
struct PlanPosition
{
    double north = 0.0;
    double east = 0.0;
};

// Where the iterations start for every point in `wanted`: known points where they are;
// from a placed station, each new point by its direction and distance (polar), the setup
// oriented on the placed points it observed; an unplaced station from its directions and
// distances to two or more placed points (a free station). A point given approximate
// coordinates is taken as it is only where nothing else places it. Ends CannotCompute,
// naming a point, when one cannot be placed.
Outcome ApproximatePlan(const Network& network, const std::vector<char>& wanted,
                        std::vector<std::optional<PlanPosition>>& positions);

// The orientation of a setup from placed points: the mean of azimuth − direction over its
// directions; absent when it sees no placed point.
std::optional<double> ApproximateOrientation(const Network& network, const Setup& setup,
                                             const std::vector<std::optional<PlanPosition>>& positions);

// Approximate heights, carried from the known ones along the height differences; a given
// height where nothing else reaches.
std::vector<std::optional<double>> ApproximateHeights(const Network& network, const std::vector<char>& wanted);
} // namespace Adjustment
