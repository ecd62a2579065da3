#pragma once

#include "core/geodesy/coordinate_system.h"
#include "core/geodesy/proj_context.h"
#include "core/report/outcome.h"

#include <optional>
#include <span>

// A conversion of positions, made once and then used for any number of points in whole
// arrays. Positions are north and east (latitude and longitude in degrees for a geographic
// system) throughout; PROJ's own axis order is met only inside.
class CPointTransform
{
public:
    // From one system to another (zone to zone, zone to local grid, to geographic …).
    CPointTransform(const CoordinateSystem& from, const CoordinateSystem& to);
    // A PROJ operation written as a PROJ string (a Helmert transformation); `northFirst` says
    // that its first axis takes north, `withHeight` that it takes heights too.
    CPointTransform(const QString& operation, bool northFirst, bool withHeight);

    // Done when the conversion could be made; otherwise why not.
    const Outcome& Prepared() const { return m_prepared; }

    // Converts the positions in place (heights too when the operation takes them: then
    // `height` has as many values as `north`). Gives the index of the first point PROJ could
    // not convert (its values are then undefined), or −1 when every point was converted.
    qsizetype Apply(std::span<double> north, std::span<double> east, std::span<double> height = {}) const;

private:
    ProjObject m_operation;
    Outcome m_prepared;
    bool m_northFirst = false;
    bool m_withHeight = false;
};

// The grid scale factor and the meridian convergence of a projected system at a point.
struct GridFactors
{
    double scale = 0;       // grid distance over ellipsoid distance (point scale)
    // Meridian convergence in degrees: the angle from true north clockwise to grid north, positive
    // east of the central meridian in the northern hemisphere (azimuth = grid bearing + convergence).
    double convergence = 0;
};

// Grid factors at points given in a projected system.
class CGridFactors
{
public:
    explicit CGridFactors(const CoordinateSystem& system);
    const Outcome& Prepared() const { return m_prepared; }
    // Nothing for a point PROJ cannot take.
    std::optional<GridFactors> At(double north, double east) const;

private:
    ProjObject m_system;
    CPointTransform m_toGeographic;
    Outcome m_prepared;
};
