#pragma once

#include "commands.h"

inline constexpr const char* CodeUsage =
    "code add NUMBER TEXT | code edit NUMBER TEXT | code delete NUMBER | code clear";

const CliCommand& CodeCommand();
