#pragma once

#include "commands.h"

inline constexpr const char* ComputeUsage =
    "compute points [--known FILE|coor] [--refraction K|off] [--scale F] [--tolerance MM] [--output FILE] | "
    "compute faces [--output FILE] | "
    "compute traverse --route A,B,S1,…,Sn,C,D [--known FILE|coor] [--grade NAME] [--output FILE] [--report FILE] | "
    "compute resection STATION [--known FILE|coor] [--output FILE]";

const CliCommand& ComputeCommand();
