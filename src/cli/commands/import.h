#pragma once

#include "commands.h"

inline constexpr const char* ImportUsage = "import coor FILE [--format 1..8] | import code FILE | import t5 FILE | import t8 FILE | import v2 FILE --record meas|coor|roadstake|xsect|alignment";

const CliCommand& ImportCommand();
