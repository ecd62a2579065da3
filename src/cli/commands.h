#pragma once

#include "arguments.h"
#include "cli_context.h"

#include <QList>

// One command of merion-cli. Adding a command: a file in commands/ that defines its CliCommand
// (name, usage, summary, the options it takes from cli_options.h, the function that runs it),
// and one line in Commands(). The usage, the option check and --help come from these fields.
struct CliCommand
{
    const char* name;
    // One line; a command with several forms separates them with " | ".
    const char* usage;
    // What it does, for --help.
    const char* summary;
    QList<CliOption> options;
    // Runs on the connected store once the words have parsed.
    int (*run)(CliContext& context, const ParsedArguments& arguments);
};

// Every command the program knows, in the order the usage text lists them.
const QList<CliCommand>& Commands();

// The command of that name, or nothing.
const CliCommand* FindCommand(const QString& name);

// Prints "usage: merion-cli ..." for a command (or the whole program) to standard error and
// gives the usage exit status.
int UsageError(const QString& problem, const char* usage);
