#pragma once

#include "cli_context.h"

inline constexpr const char* CodeUsage =
    "code add NUMBER TEXT | code edit NUMBER TEXT | code delete NUMBER | code clear";

int RunCode(CliContext& context, const QStringList& arguments);
