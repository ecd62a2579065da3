#include "commands/show.h"

#include "cli_reporter.h"
#include "commands.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"

int RunShow(CliContext& context, const QStringList& arguments)
{
    if (arguments.size() != 1)
        return UsageError(QStringLiteral("show takes one kind"), ShowUsage);
    const std::optional<DataKind> kind = DataKindFromName(arguments.first());
    if (!kind)
        return UsageError(QStringLiteral("unknown kind %1").arg(arguments.first()), ShowUsage);

    context.out << ListCaptionsOf(*kind).join(QLatin1Char('\t')) << '\n';
    for (const QStringList& row : ReadListRows(context.store, *kind))
        context.out << row.join(QLatin1Char('\t')) << '\n';
    context.out.flush();
    return context.reporter.FailureReported() ? ExitStatus::Failure : ExitStatus::Success;
}
