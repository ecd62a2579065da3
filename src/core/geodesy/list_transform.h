#pragma once

#include "core/geodesy/coordinate_system.h"
#include "core/report/outcome.h"

#include <QString>

class CProjectStore;

// The point list converted from the project's system to `to`. Replaces the list (positions of
// a geographic system with nine decimals of a degree, metres with three) and makes `to` the
// project's system, both in one transaction. Points whose coordinates are no number stay as
// they are (Done says how many). NoCoordinateSystem without a project system; nothing changes
// when a point cannot be converted (CannotCompute naming it) or the store refuses.
Outcome TransformPointList(CProjectStore& store, const CoordinateSystem& to);

// The same conversion written to a CSV file (GBK, CR LF) and the list left as it is:
// PT,N,E,Z,CODE with four decimals, or PT,LAT,LON,Z,CODE with nine for a geographic system;
// with `factors` two columns more, SCALE (the grid scale factor, nine decimals) and
// CONVERGENCE (the meridian convergence in degrees, six decimals) of the target system, or of
// the project's system when the target is geographic.
// Rows whose coordinates are no number keep their name and code with empty positions.
Outcome WriteTransformedPoints(CProjectStore& store, const CoordinateSystem& to, const QString& path, bool factors);
