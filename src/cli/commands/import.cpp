#include "commands/import.h"

#include "arguments.h"
#include "commands.h"
#include "commands/format_option.h"
#include "commands/record_option.h"
#include "core/files/text_import.h"
#include "result_report.h"

#include <QHash>

int RunImport(CliContext& context, const ParsedArguments& parsed)
{
    if (parsed.positional.size() != 2)
        return UsageError(QStringLiteral("import takes a data type and a file"), ImportUsage);

    static const QHash<QString, ImportType> types = {{QStringLiteral("coor"), ImportType::Coor},
                                              {QStringLiteral("code"), ImportType::Code},
                                              {QStringLiteral("t5"), ImportType::T5},
                                              {QStringLiteral("t8"), ImportType::T8},
                                              {QStringLiteral("v2"), ImportType::V2}};
    const auto type = types.constFind(parsed.positional[0]);
    if (type == types.constEnd())
        return UsageError(QStringLiteral("unknown data type %1").arg(parsed.positional[0]), ImportUsage);

    const FormatOption format = ParseFormatOption(parsed, *type == ImportType::Coor);
    if (!format.problem.isEmpty())
        return UsageError(format.problem, ImportUsage);
    const RecordOption record = ParseRecordOption(parsed, *type == ImportType::V2);
    if (!record.problem.isEmpty())
        return UsageError(record.problem, ImportUsage);
    // A version 2 text takes its record kind where a coordinate file takes its column order.
    const int formatIndex = record.record ? int(*record.record) : format.format - 1;
    return ReportOutcome(context, ImportFile(context.store, *type, formatIndex, parsed.positional[1]));
}

const CliCommand& ImportCommand()
{
    static const CliCommand command{
        "import", ImportUsage,
        "reads a text file: coordinates, codes, a saved T5/T8 job into 740Meas, or T8 version 2 "
        "records",
        {CliOptions::Format, CliOptions::Record}, RunImport};
    return command;
}
