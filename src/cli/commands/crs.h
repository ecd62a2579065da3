#pragma once

#include "commands.h"

inline constexpr const char* CrsUsage =
    "crs | crs set EPSG:CODE | crs set local --meridian DEG [--height H] [--false-easting M] [--false-northing M] "
    "[--scale K]";
inline constexpr const char* TransformUsage = "transform --to EPSG:CODE|geographic [--output FILE] [--factors]";

const CliCommand& CrsCommand();
const CliCommand& TransformCommand();
