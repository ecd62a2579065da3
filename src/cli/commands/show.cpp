#include "commands/show.h"

#include "commands.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"
#include "result_report.h"

#include <cstdio>

int RunShow(CliContext& context, const ParsedArguments& parsed)
{
    if (parsed.positional.size() != 1)
        return UsageError(QStringLiteral("show takes one kind"), ShowUsage);
    const std::optional<DataKind> kind = DataKindFromName(parsed.positional.first());
    if (!kind)
        return UsageError(QStringLiteral("unknown kind %1").arg(parsed.positional.first()), ShowUsage);

    context.out << ListCaptionsOf(*kind).join(QLatin1Char('\t')) << '\n';
    context.out.flush();
    // Row after row straight from the table to standard output, in the UTF-8 the store keeps:
    // a list of a million points is never held whole.
    CListReader rows(context.store, *kind);
    QByteArray line;
    while (rows.Next())
    {
        line.clear();
        for (int column = 0; column < rows.ColumnCount(); ++column)
        {
            if (column > 0)
                line += '\t';
            line += rows.Cell(column);
        }
        line += '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    }
    std::fflush(stdout);
    return ReportOutcome(context, {rows.Failed() ? Status::DatabaseError : Status::Done});
}

const CliCommand& ShowCommand()
{
    static const CliCommand command{
        "show", ShowUsage,
        "prints the list of a data kind: the header captions, then one line per row, cells separated "
        "by a tab (UTF-8)",
        {}, RunShow};
    return command;
}
