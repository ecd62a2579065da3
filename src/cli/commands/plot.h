#pragma once

#include "commands.h"

#include <QCoreApplication>

#include <memory>

inline constexpr const char* PlotUsage = "plot FILE --kind coor [--size WxH] [--no-labels]";

const CliCommand& PlotCommand();

// The application object for a run: a plot or a computation's PDF report draws text, which needs
// a GUI application (on the offscreen platform: nothing is shown); every other command does with
// a core one.
std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char** argv);
