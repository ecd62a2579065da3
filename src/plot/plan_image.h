#pragma once

#include "core/plan/plan_data.h"
#include "core/plan/plan_scene.h"
#include "core/plan/point_grid.h"
#include "core/report/outcome.h"

#include <QSize>
#include <QString>

// The image types a plan is written to, by the file's extension.
enum class PlanImageType { Unknown, Png, Svg, Pdf };
PlanImageType PlanImageTypeOf(const QString& path);

// Writes the plan as the frame shows it (its size in pixels), with every point's name, to an
// image file whose extension
// chooses the type: UnknownImageType, FileNotWritable, or DatabaseError when the points could
// not be read, and nothing written; Done counts the points left out in its message. `grid` is
// the grid of `data`'s points.
Outcome ExportPlanImage(const QString& path, const PlanData& data, const CPointGrid& grid, const CPlanFrame& frame,
                        PlanStyle style);
