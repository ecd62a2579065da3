#pragma once

#include "cli_context.h"
#include "core/report/outcome.h"
#include "core/views/data_kind.h"

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

// The four words of a list: its own add and edit, then delete (by the key the list's rows go by)
// and clear, which every list of `kind` does alike.
QList<EditSubcommand> ListSubcommands(EditSubcommand add, EditSubcommand edit, DataKind kind);

// Picks the subcommand from the positional words, checks the number of values (usage error otherwise), runs it and
// turns the outcome into the exit status: a refused save prints its message and fails.
int RunEditSubcommand(CliContext& context, const QStringList& words, const QList<EditSubcommand>& subcommands,
                      const char* usage);
