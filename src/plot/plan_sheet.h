#pragma once

#include "core/plan/plan_data.h"
#include "core/plan/plan_scene.h"
#include "core/plan/plan_sheet.h"
#include "core/plan/point_grid.h"
#include "core/report/outcome.h"

#include <QString>

// Prints the plan on one PDF page of the chosen paper at a true scale: the map inside a
// border, every point's name, the scale bar and north arrow, and the title block (project,
// date, coordinate system, scale). Outcomes as ExportPlanImage's; a file that is not a .pdf
// is an UnknownImageType. `style.groundMetresPerUnit` is taken at the middle of the job.
Outcome ExportPlanSheet(const QString& path, const PlanData& data, const CPointGrid& grid, const SheetChoice& choice,
                        const TitleBlock& title, PlanStyle style);
