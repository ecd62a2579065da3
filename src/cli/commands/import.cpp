#include "commands/import.h"

#include "arguments.h"
#include "cli_reporter.h"
#include "commands.h"
#include "commands/format_option.h"
#include "files/text_import.h"

#include <QHash>

int RunImport(CliContext& context, const QStringList& arguments)
{
    const ParsedArguments parsed = ParseArguments(arguments, {QStringLiteral("format")});
    if (!parsed.error.isEmpty())
        return UsageError(parsed.error, ImportUsage);
    if (parsed.positional.size() != 2)
        return UsageError(QStringLiteral("import takes a data type and a file"), ImportUsage);

    static const QHash<QString, int> types = {{QStringLiteral("coor"), ImportType::Coor},
                                              {QStringLiteral("code"), ImportType::Code},
                                              {QStringLiteral("t5"), ImportType::T5},
                                              {QStringLiteral("t8"), ImportType::T8}};
    const auto type = types.constFind(parsed.positional[0]);
    if (type == types.constEnd())
        return UsageError(QStringLiteral("unknown data type %1").arg(parsed.positional[0]), ImportUsage);

    const FormatOption format = ParseFormatOption(parsed, *type == ImportType::Coor);
    if (!format.problem.isEmpty())
        return UsageError(format.problem, ImportUsage);
    const ImportStatus status = ImportFile(context.store, *type, format.format - 1, parsed.positional[1]);
    return status == ImportStatus::Done && !context.reporter.FailureReported() ? ExitStatus::Success
                                                                                : ExitStatus::Failure;
}
