#include "commands/export.h"

#include "arguments.h"
#include "commands.h"
#include "commands/export_meas.h"
#include "commands/format_option.h"
#include "core/files/list_export.h"
#include "core/geodesy/map_export.h"
#include "core/plan/dxf_export.h"
#include "core/store/hand_edits.h"
#include "core/views/data_kind.h"
#include "core/views/list_layout.h"
#include "core/views/list_rows.h"
#include "result_report.h"

#include <QHash>

namespace
{
// A whole list written out carries the hand work it held along with it.
int ReportExport(CliContext& context, DataKind kind, const Outcome& outcome)
{
    if (outcome.Succeeded())
        HandEdits::MarkSaved(context.store, TableOf(kind));
    return ReportOutcome(context, outcome);
}
} // namespace

int RunExport(CliContext& context, const ParsedArguments& parsed)
{
    if (parsed.positional.size() != 2)
        return UsageError(QStringLiteral("export takes what to export and a file"), ExportUsage);
    const QString what = parsed.positional[0];
    const QString path = parsed.positional[1];
    if (!AcceptChosenFile(context, path))
        return ExitStatus::Failure;
    if (IsMeasExport(what))
        return RunMeasExport(context, parsed);
    if (parsed.Has(QStringLiteral("order")) || parsed.Has(QStringLiteral("angles")))
        return UsageError(QStringLiteral("--order and --angles apply to export full only"), ExportUsage);
    if (!parsed.Has(QStringLiteral("kind")))
        return UsageError(QStringLiteral("export needs --kind"), ExportUsage);
    const std::optional<DataKind> kind = DataKindFromName(parsed.Value(QStringLiteral("kind")));
    if (!kind)
        return UsageError(QStringLiteral("unknown kind %1").arg(parsed.Value(QStringLiteral("kind"))), ExportUsage);
    const bool fileOptions = parsed.Has(QStringLiteral("separator")) || parsed.Has(QStringLiteral("format"));
    if (what != QLatin1String("file") && fileOptions)
        return UsageError(QStringLiteral("--separator and --format apply to export file only"), ExportUsage);

    if (what == QLatin1String("list"))
    {
        CListReader rows(context.store, *kind);
        return ReportExport(context, *kind, ExportList(path, ListCaptionsOf(*kind), rows));
    }

    if (what == QLatin1String("data"))
    {
        if (!HasDataExport(*kind))
            return UsageError(QStringLiteral("export data takes coor, code or alignment"), ExportUsage);
        CListReader rows(context.store, *kind);
        return ReportExport(context, *kind, ExportData(path, *kind, rows));
    }

    if (what == QLatin1String("dxf"))
    {
        if (*kind != DataKind::Coor)
            return UsageError(QStringLiteral("export dxf takes coor"), ExportUsage);
        return ReportExport(context, *kind, ExportPointsDxf(context.store, path));
    }

    if (what == QLatin1String("kml") || what == QLatin1String("geojson"))
    {
        if (*kind != DataKind::Coor)
            return UsageError(QStringLiteral("export %1 takes coor").arg(what), ExportUsage);
        return ReportOutcome(context, what == QLatin1String("kml") ? ExportPointsKml(context.store, path)
                                                                   : ExportPointsGeoJson(context.store, path));
    }

    if (what != QLatin1String("file"))
        return UsageError(QStringLiteral("unknown export %1").arg(what), ExportUsage);
    static const QHash<QString, int> separators = {
        {QStringLiteral("comma"), 0}, {QStringLiteral("space"), 1}, {QStringLiteral("tab"), 2}};
    const QString separatorName = parsed.Value(QStringLiteral("separator"), QStringLiteral("comma"));
    if (!separators.contains(separatorName))
        return UsageError(QStringLiteral("--separator must be comma, space or tab"), ExportUsage);
    // Only the coordinate list has column formats; every other list is written as it stands.
    const FormatOption format = ParseFormatOption(parsed, *kind == DataKind::Coor);
    if (!format.problem.isEmpty())
        return UsageError(format.problem, ExportUsage);
    CListReader rows(context.store, *kind);
    return ReportExport(context, *kind, ExportOutputFile(path, *kind, int(ListLayoutOf(*kind).size()), rows,
                                                         separators.value(separatorName), format.format - 1));
}

const CliCommand& ExportCommand()
{
    static const CliCommand command{
        "export", ExportUsage,
        "writes the list as CSV (list), as text in the column formats (file), as a data file (data), "
        "the point list as a DXF drawing (dxf), in WGS84 longitude and latitude from the project's coordinate "
        "system as KML with one folder per code (kml) or as a GeoJSON FeatureCollection (geojson), "
        "or the measurement exports of 740Meas (angle, hd, sd) and the full observation records "
        "(full)",
        {CliOptions::Kind, CliOptions::Separator, CliOptions::Format, CliOptions::Order, CliOptions::Angles}, RunExport};
    return command;
}
