#pragma once

#include "core/geodesy/coordinate_system.h"
#include "core/geodesy/point_transform.h"

#include <optional>

// Latitude and longitude in degrees.
struct GeographicPosition
{
    double latitude = 0;
    double longitude = 0;
};

// What the plan tells about a place of the project's system: where it lies on the globe, and
// how many metres on the ground one unit of the plan's horizontal axis covers there (the grid
// scale factor for a projected system, the length of a degree of longitude for a geographic one).
// Made once per system, then asked at every cursor move and every frame.
class CPlanPosition
{
public:
    explicit CPlanPosition(const CoordinateSystem& system);

    // False for no system or one PROJ cannot convert: then nothing can be told.
    bool IsReady() const { return m_ready; }
    std::optional<GeographicPosition> Geographic(double north, double east) const;
    // Ground metres per unit of the horizontal axis at a place; nothing when it cannot be told.
    std::optional<double> GroundMetresPerUnit(double north, double east) const;

private:
    CPointTransform m_toGeographic;
    CGridFactors m_factors;
    bool m_ready = false;
    bool m_geographic = false;
    double m_semiMajor = 0;  // of the geographic system's ellipsoid
    double m_flattening = 0;
};
