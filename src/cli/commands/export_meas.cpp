#include "commands/export_meas.h"

#include "cli_reporter.h"
#include "commands.h"
#include "commands/export.h"
#include "core/files/meas_export.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"

#include <QHash>

namespace
{
const QHash<QString, ShortMeasLayout>& ShortLayouts()
{
    static const QHash<QString, ShortMeasLayout> layouts = {{QStringLiteral("angle"), ShortMeasLayout::Angle},
                                                            {QStringLiteral("hd"), ShortMeasLayout::Hd},
                                                            {QStringLiteral("sd"), ShortMeasLayout::Sd}};
    return layouts;
}
} // namespace

bool IsMeasExport(const QString& what)
{
    return ShortLayouts().contains(what) || what == QLatin1String("full");
}

int RunMeasExport(CliContext& context, const ParsedArguments& parsed)
{
    const QString what = parsed.positional[0];
    const QString path = parsed.positional[1];
    QStringList lines;

    if (what != QLatin1String("full"))
    {
        if (!parsed.options.isEmpty())
            return UsageError(QStringLiteral("export %1 takes no options").arg(what), ExportUsage);
        lines = ShortMeasLines(ShortLayouts().value(what), ReadListRows(context.store, DataKind::Meas));
    }
    else
    {
        if (parsed.Has(QStringLiteral("separator")) || parsed.Has(QStringLiteral("format")))
            return UsageError(QStringLiteral("export full takes no --separator or --format"), ExportUsage);
        const std::optional<DataKind> kind = DataKindFromName(parsed.Value(QStringLiteral("kind")));
        if (kind != DataKind::Meas && kind != DataKind::V2Meas)
            return UsageError(QStringLiteral("export full needs --kind meas or v2meas"), ExportUsage);
        const QString order = parsed.Value(QStringLiteral("order"), QStringLiteral("en"));
        if (order != QLatin1String("en") && order != QLatin1String("ne"))
            return UsageError(QStringLiteral("--order must be en or ne"), ExportUsage);
        const QString angles = parsed.Value(QStringLiteral("angles"), QStringLiteral("dms"));
        if (angles != QLatin1String("dms") && angles != QLatin1String("deg"))
            return UsageError(QStringLiteral("--angles must be dms or deg"), ExportUsage);
        const CoordinateOrder coordinateOrder =
            order == QLatin1String("en") ? CoordinateOrder::EastNorth : CoordinateOrder::NorthEast;
        const AngleStyle angleStyle = angles == QLatin1String("dms") ? AngleStyle::Dms : AngleStyle::Degrees;
        lines = kind == DataKind::Meas
                    ? FullMeasLines(ReadListRows(context.store, DataKind::Meas), coordinateOrder, angleStyle)
                    : FullV2MeasLines(ReadListRows(context.store, DataKind::V2Meas), coordinateOrder, angleStyle);
    }
    // A failed read of the list has been reported already; an empty file would hide it.
    if (context.reporter.FailureReported())
        return ExitStatus::Failure;
    const bool written = ExportMeasLines(path, lines, context.reporter);
    return written ? ExitStatus::Success : ExitStatus::Failure;
}
