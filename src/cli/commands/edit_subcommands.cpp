#include "commands/edit_subcommands.h"

#include "arguments.h"
#include "commands.h"
#include "core/edit/record_delete.h"
#include "result_report.h"

#include <utility>

QList<EditSubcommand> ListSubcommands(EditSubcommand add, EditSubcommand edit, DataKind kind)
{
    return {std::move(add), std::move(edit),
            {"delete", 1, 1,
             [kind](CliContext& c, const QStringList& v) { return DeleteRecord(c.store, kind, v[0]); }},
            {"clear", 0, 0, [kind](CliContext& c, const QStringList&) { return DeleteAllRecords(c.store, kind); }}};
}

int RunEditSubcommand(CliContext& context, const QStringList& words, const QList<EditSubcommand>& subcommands,
                      const char* usage)
{
    if (words.isEmpty())
        return UsageError(QStringLiteral("missing add, edit, delete or clear"), usage);
    const QString word = words.first();
    const QStringList values = words.mid(1);
    for (const EditSubcommand& subcommand : subcommands)
    {
        if (word != QLatin1String(subcommand.word))
            continue;
        if (values.size() < subcommand.minValues || values.size() > subcommand.maxValues)
            return UsageError(QStringLiteral("wrong number of values for %1").arg(word), usage);
        return ReportOutcome(context, subcommand.run(context, values));
    }
    return UsageError(QStringLiteral("unknown subcommand %1").arg(word), usage);
}
