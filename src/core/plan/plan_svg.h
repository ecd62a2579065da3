#pragma once

#include "core/plan/plan_scene.h"

class QIODevice;

// Writes a picture of the plan as an SVG drawing: the points as circles, the names and notes
// as text elements (so they can be searched and edited), the scale bar and the north arrow.
void WritePlanSvg(const PlanScene& scene, QIODevice& device);
