#pragma once

#include "cli_context.h"

inline constexpr const char* SdCardUsage = "sdcard PARENT NAME [--job 1..20]";

int RunSdCard(CliContext& context, const QStringList& arguments);
