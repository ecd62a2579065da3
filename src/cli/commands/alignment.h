#pragma once

#include "cli_context.h"

inline constexpr const char* AlignmentUsage =
    "alignment add TYPE START RADIUS N E | alignment edit ID TYPE START RADIUS N E | alignment delete ID | "
    "alignment clear";

int RunAlignment(CliContext& context, const QStringList& arguments);
