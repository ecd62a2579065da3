#pragma once

#include "commands.h"

inline constexpr const char* ShowUsage = "show coor|code|meas|v2meas|roadstake|xsect|alignment";

const CliCommand& ShowCommand();
