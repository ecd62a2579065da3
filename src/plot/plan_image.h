#pragma once

#include "core/plan/plan_data.h"
#include "core/plan/plan_scene.h"

#include <QSize>
#include <QString>

class IReporter;

// The image types a plan is written to, by the file's extension.
enum class PlanImageType { Unknown, Png, Svg, Pdf };
PlanImageType PlanImageTypeOf(const QString& path);

// Writes the plan as the frame shows it (its size in pixels) to an image file whose extension
// chooses the type. Messages go to the reporter: an unknown type, a file that cannot be
// written, points left out. False when nothing was written.
bool ExportPlanImage(const QString& path, const PlanData& data, const CPlanFrame& frame, const PlanStyle& style,
                     IReporter& reporter);
