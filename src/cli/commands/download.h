#pragma once

#include "cli_context.h"

inline constexpr const char* DownloadUsage = "download --instrument t5|t8 [--raw FILE] [--device PATH] | download --instrument v2 --record "
                                              "meas|coor|roadstake|xsect|alignment [--raw FILE] [--device PATH]";

int RunDownload(CliContext& context, const QStringList& arguments);
