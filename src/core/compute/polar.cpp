#include "core/compute/polar.h"

#include "core/compute/angles.h"

#include <cmath>

namespace
{
// Coordinates that differ by less than this are the same point (the job keeps millimetres).
constexpr double SamePlace = 1e-4;

bool Moved(const std::optional<PointNEZ>& from, const PointNEZ& to)
{
    return !from || std::hypot(from->n - to.n, from->e - to.e) > SamePlace;
}

// The known coordinates of a name, if any, else `own`; `corrected` tells whether that moved it.
std::optional<PointNEZ> Placed(const QHash<QString, const KnownPoint*>& known, const QString& name,
                               const std::optional<PointNEZ>& own, bool& corrected)
{
    corrected = false;
    const auto found = known.constFind(name);
    if (found == known.constEnd())
        return own;
    corrected = Moved(own, (*found)->coordinates);
    PointNEZ point = (*found)->coordinates;
    if (!point.z && own)
        point.z = own->z;
    return point;
}

SetupPlacement Place(const Setup& setup, const QHash<QString, const KnownPoint*>& known, const PolarOptions& options)
{
    SetupPlacement placement;
    placement.station = setup.station;
    placement.row = setup.row;
    placement.stationAt = Placed(known, setup.station, setup.coordinates, placement.stationCorrected);
    placement.ih = options.instrumentHeights.value(setup.station, setup.ih);
    if (!setup.backsight)
        return placement;
    const Backsight& backsight = *setup.backsight;
    placement.backsight = backsight.name;
    placement.backsightSetAzimuth = backsight.azimuth;
    placement.backsightRecordedHd = backsight.hd;
    const std::optional<PointNEZ> target = Placed(known, backsight.name, backsight.coordinates,
                                                  placement.backsightCorrected);
    if (placement.stationAt && target)
    {
        const PointNEZ& from = *placement.stationAt;
        placement.backsightAzimuth = Angles::Azimuth(from.n, from.e, target->n, target->e);
        placement.backsightDistance = std::hypot(target->n - from.n, target->e - from.e);
        if (placement.stationCorrected || placement.backsightCorrected)
            placement.omega = Angles::Signed(*placement.backsightAzimuth - backsight.azimuth);
    }
    for (const Observation& observation : setup.observations)
    {
        if (observation.target == backsight.name && observation.sd)
        {
            placement.backsightMeasuredHd = *observation.sd * std::sin(observation.va) * options.scale;
            break;
        }
    }
    return placement;
}

double Millimetres(double metres)
{
    return metres * 1000;
}
} // namespace

double CurvatureAndRefraction(double hd, double k, double earthRadius)
{
    return (1 - k) * hd * hd / (2 * earthRadius);
}

PolarResult ComputePoints(const QList<Setup>& setups, const QList<KnownPoint>& known, const PolarOptions& options)
{
    QHash<QString, const KnownPoint*> byName;
    byName.reserve(known.size());
    for (const KnownPoint& point : known)
        byName.insert(point.name, &point); // a name given twice: the later one holds

    PolarResult result;
    result.setups.reserve(setups.size());
    for (const Setup& setup : setups)
    {
        const int index = int(result.setups.size());
        result.setups << Place(setup, byName, options);
        const SetupPlacement& placement = result.setups.last();
        if (!placement.stationAt)
            continue;
        const PointNEZ& station = *placement.stationAt;
        for (const Observation& observation : setup.observations)
        {
            if (!observation.sd)
                continue;
            const double sd = *observation.sd;
            const double groundHd = sd * std::sin(observation.va);
            ComputedPoint point;
            point.point = observation.target;
            point.station = setup.station;
            point.code = observation.code;
            point.row = observation.row;
            point.setup = index;
            point.hd = groundHd * options.scale;
            point.azimuth = Angles::Normalized(observation.ha + placement.omega);
            point.n = station.n + point.hd * std::cos(point.azimuth);
            point.e = station.e + point.hd * std::sin(point.azimuth);
            if (station.z)
            {
                const double ph = options.targetHeights.value(observation.target, observation.ph);
                double z = *station.z + placement.ih + sd * std::cos(observation.va) - ph;
                if (options.refraction)
                    z += CurvatureAndRefraction(groundHd, *options.refraction, options.earthRadius);
                point.z = z;
            }
            if (observation.instrument)
            {
                const PointNEZ& own = *observation.instrument;
                point.dnMm = Millimetres(point.n - own.n);
                point.deMm = Millimetres(point.e - own.e);
                if (point.z && own.z)
                    point.dzMm = Millimetres(*point.z - *own.z);
                point.flagged = std::hypot(*point.dnMm, *point.deMm) > options.toleranceMm
                                || (point.dzMm && std::abs(*point.dzMm) > options.toleranceMm);
            }
            if (point.flagged)
                ++result.flagged;
            result.points << point;
        }
    }
    return result;
}
