#pragma once

#include "cli_context.h"

inline constexpr const char* PointUsage =
    "point add NAME N E Z [CODE] | point edit NAME N E Z [CODE] | point delete NAME | point clear";

int RunPoint(CliContext& context, const QStringList& arguments);
