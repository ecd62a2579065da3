#pragma once

#include "commands.h"

inline constexpr const char* DownloadUsage =
    "download --instrument t5|t8 [--raw FILE] [--device PATH] [--progress] | download --instrument v2 --record "
    "meas|coor|roadstake|xsect|alignment [--raw FILE] [--device PATH] [--progress]";

const CliCommand& DownloadCommand();
