#pragma once

#include "cli_context.h"

inline constexpr const char* UploadUsage =
    "upload --instrument t5|t8|v2 [--category coor|alignment] [--device PATH]";

int RunUpload(CliContext& context, const QStringList& arguments);
