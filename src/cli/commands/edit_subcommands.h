#pragma once

#include "cli_context.h"
#include "core/report/outcome.h"

#include <QList>

#include <functional>

// The words after point, code and alignment: add, edit, delete, clear, each taking a fixed
// number of values and running one hand-editing operation.
struct EditSubcommand
{
    const char* word;
    int minValues;
    int maxValues;
    std::function<Outcome(CliContext& context, const QStringList& values)> run;
};

// Picks the subcommand from the positional words, checks the number of values (usage error otherwise), runs it and
// turns the outcome into the exit status: a refused save prints its message and fails.
int RunEditSubcommand(CliContext& context, const QStringList& words, const QList<EditSubcommand>& subcommands,
                      const char* usage);
