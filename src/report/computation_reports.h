#pragma once

#include "core/compute/faces.h"
#include "core/compute/polar.h"
#include "core/compute/traverse.h"
#include "report/report_document.h"

#include <optional>

// The reports of the computations: the inputs used, every intermediate a checker needs, the
// results and the pass/fail lines, in the interface's language.

// `check`: the grade the traverse was held to (absent for an open traverse).
ReportDocument TraverseReport(const TraverseResult& result, const QList<KnownPoint>& known,
                              const std::optional<GradeCheck>& check, const TraverseGrade* grade);

ReportDocument PointsReport(const PolarResult& result, const PolarOptions& options);

ReportDocument FacesReport(const QList<FaceCheck>& checks, double c2SpreadLimitSeconds);
