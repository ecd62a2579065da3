#include "commands/code.h"

#include "cli_reporter.h"
#include "commands/edit_subcommands.h"
#include "core/edit/code_edit.h"
#include "core/views/data_kind.h"

int RunCode(CliContext& context, const ParsedArguments& parsed)
{
    static const QList<EditSubcommand> subcommands = ListSubcommands(
        {"add", 2, 2, [](CliContext& c, const QStringList& v) { return AddCode(c.store, {v[0], v[1]}); }},
        {"edit", 2, 2, [](CliContext& c, const QStringList& v) { return EditCode(c.store, {v[0], v[1]}); }},
        DataKind::Code);
    return RunEditSubcommand(context, parsed.positional, subcommands, CodeUsage);
}

const CliCommand& CodeCommand()
{
    static const CliCommand command{
        "code", CodeUsage,
        "adds, edits or deletes a code of the code list, or empties it",
        {}, RunCode};
    return command;
}
