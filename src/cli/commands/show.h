#pragma once

#include "cli_context.h"

inline constexpr const char* ShowUsage = "show coor|code|meas|v2meas|roadstake|xsect|alignment";

int RunShow(CliContext& context, const QStringList& arguments);
