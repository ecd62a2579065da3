#pragma once

#include "commands.h"

inline constexpr const char* ExportUsage =
    "export list FILE --kind KIND | export file FILE --kind KIND [--separator comma|space|tab] [--format 1..8] | "
    "export data FILE --kind coor|code|alignment | export dxf FILE --kind coor | export kml FILE --kind coor | export geojson FILE --kind coor | "
    "export angle|hd|sd FILE | "
    "export full FILE --kind meas|v2meas [--order en|ne] [--angles dms|deg]";

const CliCommand& ExportCommand();
