#pragma once

#include "commands.h"

inline constexpr const char* AdjustUsage =
    "adjust [--known FILE|coor] [--fixed P1,P2,...] [--sigma-direction S] [--sigma-distance A,B] [--heights] "
    "[--output FILE] [--report FILE]";

const CliCommand& AdjustCommand();

inline constexpr const char* ResectionUsage = "compute resection STATION [--known FILE|coor] [--output FILE]";

// `compute resection STATION [--known FILE|coor] [--output FILE]`: run by the compute command.
int RunResection(CliContext& context, const ParsedArguments& parsed);
