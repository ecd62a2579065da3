#pragma once

#include "commands.h"

inline constexpr const char* PointUsage =
    "point add NAME N E Z [CODE] | point edit NAME N E Z [CODE] | point delete NAME | point clear";

const CliCommand& PointCommand();
