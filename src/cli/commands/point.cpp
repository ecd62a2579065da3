#include "commands/point.h"

#include "cli_reporter.h"
#include "commands/edit_subcommands.h"
#include "core/edit/coor_edit.h"
#include "core/views/data_kind.h"

namespace
{
CoorFields PointOf(const QStringList& values)
{
    return {values[0], values[1], values[2], values[3], values.value(4)};
}
} // namespace

int RunPoint(CliContext& context, const ParsedArguments& parsed)
{
    static const QList<EditSubcommand> subcommands = ListSubcommands(
        {"add", 4, 5, [](CliContext& c, const QStringList& v) { return AddCoor(c.store, PointOf(v)); }},
        {"edit", 4, 5, [](CliContext& c, const QStringList& v) { return EditCoor(c.store, PointOf(v)); }},
        DataKind::Coor);
    return RunEditSubcommand(context, parsed.positional, subcommands, PointUsage);
}

const CliCommand& PointCommand()
{
    static const CliCommand command{
        "point", PointUsage,
        "adds, edits or deletes a point of the coordinate list, or empties it",
        {}, RunPoint};
    return command;
}
