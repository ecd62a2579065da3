#pragma once

#include "commands.h"

inline constexpr const char* AlignmentUsage =
    "alignment add TYPE START RADIUS N E | alignment edit ID TYPE START RADIUS N E | alignment delete ID | "
    "alignment clear";

const CliCommand& AlignmentCommand();
