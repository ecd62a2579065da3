#pragma once

#include "arguments.h"
#include "cli_context.h"

// Whether `what` names one of the measurement exports (angle, hd, sd, full).
bool IsMeasExport(const QString& what);

// export angle|hd|sd FILE, export full FILE --kind meas|v2meas [--order en|ne] [--angles dms|deg],
// from the export command's words (what to export, the file and the options).
int RunMeasExport(CliContext& context, const ParsedArguments& parsed);
