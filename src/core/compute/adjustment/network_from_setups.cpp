#include "core/compute/adjustment/network_from_setups.h"

#include "core/compute/adjustment/adjustment_texts.h"
#include "core/compute/compute_texts.h"

#include <QHash>
#include <QSet>

#include <cmath>

namespace Adjustment
{
namespace
{
// Points by name, each added once.
class CPointIndex
{
public:
    explicit CPointIndex(Network& network) : m_network(network) {}
    int Of(const QString& name)
    {
        const auto found = m_index.constFind(name);
        if (found != m_index.constEnd())
            return *found;
        NetworkPoint point;
        point.name = name;
        m_network.points.push_back(point);
        const int index = int(m_network.points.size() - 1);
        m_index.insert(name, index);
        return index;
    }
    bool Has(const QString& name) const { return m_index.contains(name); }

private:
    Network& m_network;
    QHash<QString, int> m_index;
};

// A known point in the datum: fixed, or tied to its coordinates by the weight the options give.
void SetKnown(NetworkPoint& point, const PointNEZ& at, bool fixed, const AprioriOptions& options)
{
    point.north = at.n;
    point.east = at.e;
    point.height = at.z;
    point.plan = fixed ? Datum::Fixed : Datum::Free;
    point.level = fixed ? Datum::Fixed : Datum::Free;
    const KnownWeight* weight = fixed ? options.WeightOf(point.name) : nullptr;
    if (weight && weight->planMm)
    {
        point.plan = Datum::Weighted;
        point.sigmaPlan = *weight->planMm / 1000.0;
    }
    if (weight && weight->heightMm)
    {
        point.level = Datum::Weighted;
        point.sigmaHeight = *weight->heightMm / 1000.0;
    }
}

// Every weight must name a known point: a weight that silently held nothing would leave the
// user believing a point was free to move.
Outcome CheckWeightsKnown(const AprioriOptions& options, const QHash<QString, const KnownPoint*>& knownByName)
{
    for (const KnownWeight& weight : options.weights)
        if (!knownByName.contains(weight.point))
            return {Status::CannotCompute, ComputeTexts::NotKnown.Arg(weight.point)};
    return Status::Done;
}

// A pointing as the adjustment reads it.
Observation ObservationOf(const ::Observation& pointing, int target, double ih, const PolarOptions& options)
{
    Observation observation;
    observation.target = target;
    observation.direction = pointing.ha;
    if (pointing.sd)
    {
        const double sd = *pointing.sd;
        const double ground = sd * std::sin(pointing.va);
        observation.distance = ground * options.scale;
        const double ph = options.targetHeights.value(pointing.target, pointing.ph);
        double rise = sd * std::cos(pointing.va) + ih - ph;
        if (options.refraction)
            rise += CurvatureAndRefraction(ground, *options.refraction, options.earthRadius);
        observation.heightDifference = rise;
        observation.slopeDistance = sd;
        observation.zenith = pointing.va;
    }
    return observation;
}

// Adds a setup with the pointings `keep` accepts; its backsight comes first, as a direction.
template <typename Keep>
void AddSetup(Network& network, CPointIndex& index, const ::Setup& setup, const NetworkOptions& networkOptions,
              Keep keep)
{
    const PolarOptions& options = networkOptions.polar;
    Setup added;
    added.station = index.Of(setup.station);
    for (const StationSigmas& own : networkOptions.stations)
        if (own.station == setup.station)
            added.sigmas = networkOptions.SigmasAt(setup.station);
    const double ih = options.instrumentHeights.value(setup.station, setup.ih);
    if (setup.backsight && setup.backsight->name != setup.station && keep(setup.backsight->name))
    {
        Observation backsight;
        backsight.target = index.Of(setup.backsight->name);
        backsight.direction = setup.backsight->azimuth;
        added.observations.push_back(backsight);
    }
    for (const ::Observation& pointing : setup.observations)
        if (pointing.target != setup.station && keep(pointing.target))
            added.observations.push_back(ObservationOf(pointing, index.Of(pointing.target), ih, options));
    if (!added.observations.empty())
        network.setups.push_back(added);
}
} // namespace

Outcome BuildNetwork(const QList<::Setup>& setups, const QList<KnownPoint>& known, const NetworkOptions& options,
                     Network& network)
{
    network = {};
    network.sigmas = options.sigmas;
    QHash<QString, const KnownPoint*> knownByName;
    for (const KnownPoint& point : known)
        knownByName.insert(point.name, &point);
    if (options.fixed)
        for (const QString& name : *options.fixed)
            if (!knownByName.contains(name))
                return {Status::CannotCompute, ComputeTexts::NotKnown.Arg(name)};
    if (const Outcome weights = CheckWeightsKnown(options, knownByName); !weights.Succeeded())
        return weights;

    CPointIndex index(network);
    for (const ::Setup& setup : setups)
        AddSetup(network, index, setup, options, [](const QString&) { return true; });

    // Where the iterations start: the polar computation from the job's own station
    // coordinates (corrected by the known points), each point at its first pointing.
    const PolarResult polar = ComputePoints(setups, known, options.polar);
    for (const SetupPlacement& placement : polar.setups)
        if (placement.stationAt && index.Has(placement.station))
        {
            NetworkPoint& point = network.points[size_t(index.Of(placement.station))];
            if (!point.HasPlan())
            {
                point.north = placement.stationAt->n;
                point.east = placement.stationAt->e;
                point.height = placement.stationAt->z;
            }
        }
    for (const ComputedPoint& computed : polar.points)
        if (index.Has(computed.point))
        {
            NetworkPoint& point = network.points[size_t(index.Of(computed.point))];
            if (!point.HasPlan())
            {
                point.north = computed.n;
                point.east = computed.e;
                point.height = computed.z;
            }
        }
    for (NetworkPoint& point : network.points)
        if (const auto found = knownByName.constFind(point.name); found != knownByName.constEnd())
            SetKnown(point, (*found)->coordinates, !options.fixed || options.fixed->contains(point.name), options);
    return Status::Done;
}

Outcome BuildFreeStationNetwork(const QList<::Setup>& setups, const QList<KnownPoint>& known, const QString& station,
                                const NetworkOptions& options, Network& network)
{
    network = {};
    network.sigmas = options.sigmas;
    QHash<QString, const KnownPoint*> knownByName;
    for (const KnownPoint& point : known)
        if (point.name != station)
            knownByName.insert(point.name, &point);
    for (const KnownWeight& weight : options.weights)
        if (weight.point != station && !knownByName.contains(weight.point))
            return {Status::CannotCompute, ComputeTexts::NotKnown.Arg(weight.point)};

    CPointIndex index(network);
    const int free = index.Of(station);
    bool found = false;
    for (const ::Setup& setup : setups)
    {
        if (setup.station != station)
            continue;
        found = true;
        NetworkPoint& point = network.points[size_t(free)];
        if (setup.coordinates && !point.HasPlan())
        {
            point.north = setup.coordinates->n;
            point.east = setup.coordinates->e;
            point.height = setup.coordinates->z;
        }
        AddSetup(network, index, setup, options,
                 [&](const QString& name) { return knownByName.contains(name); });
    }
    if (!found)
        return {Status::CannotCompute, AdjustmentTexts::NoSetupAt.Arg(station)};
    QSet<int> targets;
    for (const Setup& setup : network.setups)
        for (const Observation& observation : setup.observations)
            targets.insert(observation.target);
    if (targets.size() < 2)
        return {Status::CannotCompute, AdjustmentTexts::TooFewKnownForStation.Arg(station)};
    for (NetworkPoint& point : network.points)
        if (point.name != station)
            SetKnown(point, knownByName.value(point.name)->coordinates, true, options);
    return Status::Done;
}
} // namespace Adjustment
