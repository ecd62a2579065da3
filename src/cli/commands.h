#pragma once

#include "cli_context.h"

#include <QList>

// One command of merion-cli: its word, what it runs and its one-line usage.
struct CliCommand
{
    const char* name;
    int (*run)(CliContext& context, const QStringList& arguments);
    const char* usage;
};

// Every command the program knows, in the order the usage text lists them.
const QList<CliCommand>& Commands();

// Prints "usage: merion-cli ..." for a command (or the whole program) to standard error and
// gives the usage exit status.
int UsageError(const QString& problem, const char* usage);
