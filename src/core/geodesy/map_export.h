#pragma once

#include "core/report/outcome.h"

#include <QString>

class CProjectStore;

// The point list for maps and globes, in WGS84 longitude and latitude converted from the
// project's system (NoCoordinateSystem without one). Points whose coordinates are no number
// are left out (Done says how many); a point PROJ cannot convert stops the export
// (CannotCompute naming it) and writes nothing.

// KML 2.2: one folder per code (in the order the codes first appear), a placemark per point with
// its name, its code and height as extended data, and the height as altitude.
Outcome ExportPointsKml(CProjectStore& store, const QString& path);

// GeoJSON (RFC 7946): a FeatureCollection of Points [longitude, latitude, height] with the
// properties name, code and height (null when the point has none).
Outcome ExportPointsGeoJson(CProjectStore& store, const QString& path);
