#pragma once

#include "core/geodesy/coordinate_system.h"
#include "core/report/outcome.h"

class CProjectStore;

// The project's coordinate system, kept in the project database beside its points.

// The stored system; none when the project has not been given one. `readFailed`, when given,
// is set when the store could not be read (the store has said why).
CoordinateSystem ReadProjectSystem(CProjectStore& store, bool* readFailed = nullptr);

// Replaces the stored system after PROJ has accepted it: Done, UnknownCoordinateSystem
// (nothing stored) or DatabaseError.
Outcome WriteProjectSystem(CProjectStore& store, const CoordinateSystem& system);
