#pragma once

#include "commands.h"

inline constexpr const char* SdCardUsage = "sdcard PARENT NAME [--job 1..20]";

const CliCommand& SdCardCommand();
