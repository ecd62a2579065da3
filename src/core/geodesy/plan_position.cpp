#include "core/geodesy/plan_position.h"

#include <geodesic.h>
#include <proj.h>

#include <cmath>

namespace
{
CoordinateSystem GeographicOrNone(const CoordinateSystem& system)
{
    return GeographicOf(system).value_or(CoordinateSystem{});
}

// A tenth of a degree: a degree of longitude is measured over a span short enough for its
// latitude and long enough for the sums to carry every digit that matters.
constexpr double DegreeSpan = 0.1;
} // namespace

CPlanPosition::CPlanPosition(const CoordinateSystem& system)
    : m_toGeographic(system, GeographicOrNone(system)), m_factors(system)
{
    if (!system.IsSet() || !m_toGeographic.Prepared().Succeeded())
        return;
    m_geographic = IsGeographic(system);
    if (m_geographic)
    {
        // Distances on a geographic system are measured on its own ellipsoid.
        PJ_CONTEXT* context = ThreadProjContext();
        const ProjObject crs = ProjSystemOf(system);
        const ProjObject ellipsoid(crs ? proj_get_ellipsoid(context, crs.get()) : nullptr);
        double inverseFlattening = 0;
        if (!ellipsoid || !proj_ellipsoid_get_parameters(context, ellipsoid.get(), &m_semiMajor, nullptr, nullptr,
                                                         &inverseFlattening))
            return;
        m_flattening = inverseFlattening > 0 ? 1 / inverseFlattening : 0;
    }
    else if (!m_factors.Prepared().Succeeded())
        return;
    m_ready = true;
}

std::optional<GeographicPosition> CPlanPosition::Geographic(double north, double east) const
{
    if (!m_ready)
        return std::nullopt;
    double latitude = north;
    double longitude = east;
    if (m_toGeographic.Apply({&latitude, 1}, {&longitude, 1}) >= 0)
        return std::nullopt;
    return GeographicPosition{latitude, longitude};
}

std::optional<double> CPlanPosition::GroundMetresPerUnit(double north, double east) const
{
    if (!m_ready)
        return std::nullopt;
    if (!m_geographic)
    {
        // Grid distance = point scale × distance on the ellipsoid (the raised one of a local grid).
        const std::optional<GridFactors> factors = m_factors.At(north, east);
        if (!factors || !(factors->scale > 0))
            return std::nullopt;
        return 1 / factors->scale;
    }
    if (!(std::abs(north) < 90))
        return std::nullopt;
    geod_geodesic geodesic;
    geod_init(&geodesic, m_semiMajor, m_flattening);
    double metres = 0;
    geod_inverse(&geodesic, north, east, north, east + DegreeSpan, &metres, nullptr, nullptr);
    return metres / DegreeSpan;
}
