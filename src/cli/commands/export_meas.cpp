#include "commands/export_meas.h"

#include "commands.h"
#include "commands/export.h"
#include "core/files/meas_export.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"
#include "result_report.h"

#include <QHash>

#include <memory>

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
    std::function<void(const MeasLineSink&)> produce;
    std::unique_ptr<CListReader> rows;

    if (what != QLatin1String("full"))
    {
        if (!parsed.options.isEmpty())
            return UsageError(QStringLiteral("export %1 takes no options").arg(what), ExportUsage);
        rows = std::make_unique<CListReader>(context.store, DataKind::Meas);
        const ShortMeasLayout layout = ShortLayouts().value(what);
        produce = [&rows, layout](const MeasLineSink& sink) { ShortMeasLines(layout, *rows, sink); };
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
        rows = std::make_unique<CListReader>(context.store, *kind);
        // The choices are taken by value: they end with this block, the export runs after it.
        if (kind == DataKind::Meas)
            produce = [&rows, coordinateOrder, angleStyle](const MeasLineSink& sink) {
                FullMeasLines(*rows, coordinateOrder, angleStyle, sink);
            };
        else
            produce = [&rows, coordinateOrder, angleStyle](const MeasLineSink& sink) {
                FullV2MeasLines(*rows, coordinateOrder, angleStyle, sink);
            };
    }
    // A list that could not be read has been reported already; no file is opened for it.
    if (rows->Failed())
        return ReportOutcome(context, {Status::DatabaseError});
    return ReportOutcome(context, ExportMeasLines(path, produce, rows.get()));
}
