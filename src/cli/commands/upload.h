#pragma once

#include "commands.h"

inline constexpr const char* UploadUsage =
    "upload --instrument t5|t8|v2 [--category coor|alignment] [--device PATH] [--progress]";

const CliCommand& UploadCommand();
