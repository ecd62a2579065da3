#pragma once

#include "commands.h"

inline constexpr const char* SettingsUsage =
    "settings [--port 1..6] [--baud RATE] [--protocol none|ack-nak] [--data-bits 7|8] [--stop-bits 1|1.5|2] "
    "[--parity none|odd|even]";

const CliCommand& SettingsCommand();
