#pragma once

#include "commands.h"

inline constexpr const char* FitUsage = "fit similarity|helmert --common FILE [--exclude P1,...] [--apply]";

const CliCommand& FitCommand();
