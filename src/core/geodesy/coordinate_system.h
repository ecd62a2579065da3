#pragma once

#include "core/geodesy/proj_context.h"
#include "core/report/outcome.h"

#include <QString>

#include <optional>

// A local engineering grid: a transverse Mercator on the CGCS2000 ellipsoid raised by the
// projection height, so that grid distances near the central meridian equal ground distances
// at that height.
struct LocalGrid
{
    double meridian = 0;         // central meridian, degrees east
    double height = 0;           // projection height, metres above the ellipsoid
    double falseEasting = 500000;
    double falseNorthing = 0;
    double scale = 1;            // scale on the central meridian

    bool operator==(const LocalGrid&) const = default;
};

// The coordinate system the project's points are in: none, a system of the EPSG register
// (the CGCS2000 zones among them), or a local grid.
struct CoordinateSystem
{
    enum class Kind { None, Epsg, Local };
    Kind kind = Kind::None;
    int epsg = 0;
    LocalGrid local;

    static CoordinateSystem Epsg(int code) { return {Kind::Epsg, code, {}}; }
    static CoordinateSystem Local(const LocalGrid& grid) { return {Kind::Local, 0, grid}; }
    bool IsSet() const { return kind != Kind::None; }
    bool operator==(const CoordinateSystem&) const = default;
};

// "EPSG:4527" (or "epsg:4527") as a code; nothing for any other text.
std::optional<int> EpsgCodeOf(const QString& text);

// The definition PROJ reads: "EPSG:4527", or the local grid's PROJ string.
QString ProjDefinitionOf(const CoordinateSystem& system);

// How the system is named to the user: "EPSG:4527 CGCS2000 / 3-degree Gauss-Kruger CM 117E",
// the local grid's PROJ string, or "none".
QString DescriptionOf(const CoordinateSystem& system);

// Done when PROJ knows the system as a projected or geographic one; UnknownCoordinateSystem
// (naming it) otherwise, NoCoordinateSystem for none.
Outcome CheckSystem(const CoordinateSystem& system);

// The geographic system of the same datum: CGCS2000 (EPSG:4490) for a local grid, the EPSG
// system a projected EPSG system is based on, a geographic system itself.
std::optional<CoordinateSystem> GeographicOf(const CoordinateSystem& system);

// True for a system whose coordinates are latitude and longitude in degrees.
bool IsGeographic(const CoordinateSystem& system);

// The system as a PROJ object of this thread's context; null when PROJ does not know it.
ProjObject ProjSystemOf(const CoordinateSystem& system);
