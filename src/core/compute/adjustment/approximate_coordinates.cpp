#include "core/compute/adjustment/approximate_coordinates.h"

#include "core/compute/adjustment/adjustment_texts.h"

#include <cmath>
#include <numbers>

namespace Adjustment
{
namespace
{
// Places an unplaced station by its directions and distances to placed points: the best
// rotation and shift (no scale) from the instrument's frame (N along direction 0) to the grid.
bool PlaceFreeStation(const Setup& setup, std::vector<std::optional<PlanPosition>>& positions)
{
    struct Pair
    {
        double localN, localE, gridN, gridE;
    };
    std::vector<Pair> pairs;
    for (const Observation& observation : setup.observations)
    {
        const std::optional<PlanPosition>& target = positions[size_t(observation.target)];
        if (observation.target == setup.station || !target || !observation.direction || !observation.distance)
            continue;
        pairs.push_back({*observation.distance * std::cos(*observation.direction),
                         *observation.distance * std::sin(*observation.direction), target->north, target->east});
    }
    if (pairs.size() < 2)
        return false;
    Pair centre{0, 0, 0, 0};
    for (const Pair& pair : pairs)
    {
        centre.localN += pair.localN / double(pairs.size());
        centre.localE += pair.localE / double(pairs.size());
        centre.gridN += pair.gridN / double(pairs.size());
        centre.gridE += pair.gridE / double(pairs.size());
    }
    double dot = 0.0;
    double cross = 0.0;
    for (const Pair& pair : pairs)
    {
        const double ln = pair.localN - centre.localN, le = pair.localE - centre.localE;
        const double gn = pair.gridN - centre.gridN, ge = pair.gridE - centre.gridE;
        dot += ln * gn + le * ge;
        cross += ln * ge - le * gn;
    }
    if (dot == 0.0 && cross == 0.0)
        return false; // both targets at one place
    const double rotation = std::atan2(cross, dot);
    const double c = std::cos(rotation), s = std::sin(rotation);
    positions[size_t(setup.station)] =
        PlanPosition{centre.gridN - (c * centre.localN - s * centre.localE),
                     centre.gridE - (s * centre.localN + c * centre.localE)};
    return true;
}

// A sight from a placed and oriented station to a point not yet placed.
struct Ray
{
    PlanPosition from;
    double azimuth = 0.0;
};

// Two sights that cross at more than this angle place their point (forward intersection).
constexpr double SmallestCrossing = std::numbers::pi / 180.0;

std::optional<PlanPosition> Intersect(const Ray& a, const Ray& b)
{
    const double an = std::cos(a.azimuth), ae = std::sin(a.azimuth);
    const double bn = std::cos(b.azimuth), be = std::sin(b.azimuth);
    const double det = bn * ae - an * be; // sin(azimuth a − azimuth b)
    if (std::abs(det) < std::sin(SmallestCrossing))
        return std::nullopt;
    const double dn = b.from.north - a.from.north, de = b.from.east - a.from.east;
    const double along = (bn * de - be * dn) / det; // distance from a's station
    if (along <= 0.0)
        return std::nullopt;
    return PlanPosition{a.from.north + along * an, a.from.east + along * ae};
}

// From a placed station: the new points it measured by direction and distance, and those
// its direction crosses another station's at.
bool PlacePolar(const Network& network, const Setup& setup, std::vector<std::optional<PlanPosition>>& positions,
                std::vector<std::vector<Ray>>& rays)
{
    const std::optional<double> orientation = ApproximateOrientation(network, setup, positions);
    if (!orientation)
        return false;
    const PlanPosition station = *positions[size_t(setup.station)];
    bool placed = false;
    for (const Observation& observation : setup.observations)
    {
        std::optional<PlanPosition>& target = positions[size_t(observation.target)];
        if (target || !observation.direction || observation.target == setup.station)
            continue;
        const double azimuth = *observation.direction + *orientation;
        if (observation.distance)
        {
            target = PlanPosition{station.north + *observation.distance * std::cos(azimuth),
                                  station.east + *observation.distance * std::sin(azimuth)};
            placed = true;
            continue;
        }
        std::vector<Ray>& sights = rays[size_t(observation.target)];
        const Ray ray{station, azimuth};
        for (const Ray& other : sights)
            if ((target = Intersect(other, ray)))
                break;
        sights.push_back(ray);
        placed = placed || target.has_value();
    }
    return placed;
}
} // namespace

std::optional<double> ApproximateOrientation(const Network& network, const Setup& setup,
                                             const std::vector<std::optional<PlanPosition>>& positions)
{
    (void)network;
    const std::optional<PlanPosition>& station = positions[size_t(setup.station)];
    if (!station)
        return std::nullopt;
    // The mean of angles as the direction of the summed unit vectors: no trouble at 0/2π.
    double sumCos = 0.0, sumSin = 0.0;
    for (const Observation& observation : setup.observations)
    {
        const std::optional<PlanPosition>& target = positions[size_t(observation.target)];
        if (observation.target == setup.station || !target || !observation.direction)
            continue;
        const double azimuth = std::atan2(target->east - station->east, target->north - station->north);
        sumCos += std::cos(azimuth - *observation.direction);
        sumSin += std::sin(azimuth - *observation.direction);
    }
    if (sumCos == 0.0 && sumSin == 0.0)
        return std::nullopt;
    return std::atan2(sumSin, sumCos);
}

Outcome ApproximatePlan(const Network& network, const std::vector<char>& wanted,
                        std::vector<std::optional<PlanPosition>>& positions)
{
    positions.assign(network.points.size(), std::nullopt);
    for (size_t p = 0; p < network.points.size(); ++p)
    {
        const NetworkPoint& point = network.points[p];
        if (point.PlanDatum() != Datum::Free)
            positions[p] = PlanPosition{*point.north, *point.east};
    }
    // A setup is tried again only when one of its points was placed: linear in the
    // observations however the setups are ordered.
    std::vector<std::vector<int>> setupsOf(network.points.size());
    for (size_t s = 0; s < network.setups.size(); ++s)
    {
        setupsOf[size_t(network.setups[s].station)].push_back(int(s));
        for (const Observation& observation : network.setups[s].observations)
            setupsOf[size_t(observation.target)].push_back(int(s));
    }
    std::vector<int> work(network.setups.size());
    for (size_t s = 0; s < work.size(); ++s)
        work[s] = int(network.setups.size() - 1 - s);
    std::vector<char> placedBefore(positions.size());
    std::vector<std::vector<Ray>> rays(positions.size());
    const auto tryPlacing = [&](int s) {
        const Setup& setup = network.setups[size_t(s)];
        for (const Observation& observation : setup.observations)
            placedBefore[size_t(observation.target)] = positions[size_t(observation.target)].has_value();
        placedBefore[size_t(setup.station)] = positions[size_t(setup.station)].has_value();
        if (!(positions[size_t(setup.station)] ? PlacePolar(network, setup, positions, rays)
                                               : PlaceFreeStation(setup, positions)))
            return;
        const auto wake = [&](int point) {
            if (!placedBefore[size_t(point)] && positions[size_t(point)])
            {
                placedBefore[size_t(point)] = 1;
                work.insert(work.end(), setupsOf[size_t(point)].begin(), setupsOf[size_t(point)].end());
            }
        };
        wake(setup.station);
        for (const Observation& observation : setup.observations)
            wake(observation.target);
    };
    for (;;)
    {
        while (!work.empty())
        {
            const int s = work.back();
            work.pop_back();
            tryPlacing(s);
        }
        // Stuck: the given approximations of the points still missing open the way on.
        for (size_t p = 0; p < network.points.size(); ++p)
            if (wanted[p] && !positions[p] && network.points[p].HasPlan())
            {
                positions[p] = PlanPosition{*network.points[p].north, *network.points[p].east};
                work.insert(work.end(), setupsOf[p].begin(), setupsOf[p].end());
            }
        if (work.empty())
            break;
    }
    for (size_t p = 0; p < network.points.size(); ++p)
        if (wanted[p] && !positions[p])
            return {Status::CannotCompute, AdjustmentTexts::NoApproximation.Arg(network.points[p].name)};
    return Status::Done;
}

std::vector<std::optional<double>> ApproximateHeights(const Network& network, const std::vector<char>& wanted)
{
    struct Step
    {
        int to;
        double rise; // height of `to` − height of the point the step leaves
    };
    std::vector<std::vector<Step>> steps(network.points.size());
    for (const Setup& setup : network.setups)
        for (const Observation& observation : setup.observations)
            if (observation.heightDifference && observation.target != setup.station)
            {
                steps[size_t(setup.station)].push_back({observation.target, *observation.heightDifference});
                steps[size_t(observation.target)].push_back({setup.station, -*observation.heightDifference});
            }
    std::vector<std::optional<double>> heights(network.points.size());
    std::vector<int> reached;
    for (size_t p = 0; p < network.points.size(); ++p)
        if (network.points[p].LevelDatum() != Datum::Free)
        {
            heights[p] = network.points[p].height;
            reached.push_back(int(p));
        }
    for (size_t next = 0;; )
    {
        for (; next < reached.size(); ++next)
            for (const Step& step : steps[size_t(reached[next])])
                if (!heights[size_t(step.to)])
                {
                    heights[size_t(step.to)] = *heights[size_t(reached[next])] + step.rise;
                    reached.push_back(step.to);
                }
        // Where no known height reaches, a given one starts its part.
        for (size_t p = 0; p < network.points.size(); ++p)
            if (wanted[p] && !heights[p] && network.points[p].height)
            {
                heights[p] = network.points[p].height;
                reached.push_back(int(p));
                break;
            }
        if (next == reached.size())
            break;
    }
    return heights;
}
} // namespace Adjustment
