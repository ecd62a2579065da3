#include "commands/alignment.h"

#include "cli_reporter.h"
#include "commands/edit_subcommands.h"
#include "core/edit/alignment_edit.h"
#include "core/views/data_kind.h"

int RunAlignment(CliContext& context, const ParsedArguments& parsed)
{
    static const QList<EditSubcommand> subcommands = ListSubcommands(
        {"add", 5, 5,
         [](CliContext& c, const QStringList& v) { return AddAlignment(c.store, {QString(), v[0], v[1], v[2], v[3], v[4]}); }},
        {"edit", 6, 6,
         [](CliContext& c, const QStringList& v) { return EditAlignment(c.store, {v[0], v[1], v[2], v[3], v[4], v[5]}); }},
        DataKind::Alignment);
    return RunEditSubcommand(context, parsed.positional, subcommands, AlignmentUsage);
}

const CliCommand& AlignmentCommand()
{
    static const CliCommand command{
        "alignment", AlignmentUsage,
        "adds, edits or deletes a plane alignment element, or empties the alignment",
        {}, RunAlignment};
    return command;
}
