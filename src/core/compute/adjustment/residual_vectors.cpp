#include "core/compute/adjustment/residual_vectors.h"

#include <QHash>

#include <cmath>
#include <map>
#include <utility>

namespace Adjustment
{
std::vector<ResidualVector> ResidualVectors(const Network& network, const PlanAdjustment& adjustment)
{
    QHash<int, std::pair<double, double>> adjusted; // point → (north, east)
    for (const AdjustedPoint& point : adjustment.points)
        adjusted.insert(point.point, {point.north, point.east});
    // The residuals of one pointing, by (setup, observation), in the order they were observed.
    std::map<std::pair<int, int>, std::pair<double, double>> pointings; // → (direction v, distance v)
    for (const Residual& residual : adjustment.residuals)
    {
        if (residual.ref.kind == ObservationKind::HeightDifference || residual.ref.setup < 0)
            continue;
        auto& pair = pointings[{residual.ref.setup, residual.ref.observation}];
        (residual.ref.kind == ObservationKind::Direction ? pair.first : pair.second) = residual.residual;
    }
    std::vector<ResidualVector> vectors;
    for (const auto& [key, residuals] : pointings)
    {
        const Setup& setup = network.setups[size_t(key.first)];
        const int target = setup.observations[size_t(key.second)].target;
        const auto station = adjusted.constFind(setup.station);
        const auto point = adjusted.constFind(target);
        if (station == adjusted.constEnd() || point == adjusted.constEnd())
            continue;
        const double dn = point->first - station->first;
        const double de = point->second - station->second;
        const double distance = std::hypot(dn, de);
        if (distance <= 0.0)
            continue;
        // v = adjusted − observed: the observed sight turns by −v_direction and shortens by
        // −v_distance. Along the sight (cos α, sin α), across it (−sin α, cos α).
        const double cosA = dn / distance, sinA = de / distance;
        const double along = -residuals.second;
        const double across = -residuals.first * distance;
        vectors.push_back({setup.station, target, along * cosA - across * sinA, along * sinA + across * cosA});
    }
    return vectors;
}
} // namespace Adjustment
