#include "commands/crs.h"

#include "cli_reporter.h"
#include "core/geodesy/cgcs2000_zones.h"
#include "core/geodesy/list_transform.h"
#include "core/geodesy/system_store.h"
#include "result_report.h"

#include <cmath>

namespace
{
const CliOption Meridian{QStringLiteral("meridian"), QStringLiteral("DEG"),
                         QStringLiteral("the local grid's central meridian in degrees east, -180 to 180"), {}};
const CliOption Height{QStringLiteral("height"), QStringLiteral("H"),
                       QStringLiteral("the projection height in metres above the ellipsoid, -1000 to 10000"),
                       QStringLiteral("0")};
const CliOption FalseEasting{QStringLiteral("false-easting"), QStringLiteral("M"),
                             QStringLiteral("added to every easting, metres"), QStringLiteral("500000")};
const CliOption FalseNorthing{QStringLiteral("false-northing"), QStringLiteral("M"),
                              QStringLiteral("added to every northing, metres"), QStringLiteral("0")};
const CliOption Scale{QStringLiteral("scale"), QStringLiteral("K"),
                      QStringLiteral("the scale on the central meridian, 0.9 to 1.1"), QStringLiteral("1")};
const CliOption To{QStringLiteral("to"), QStringLiteral("EPSG:CODE|geographic"),
                   QStringLiteral("the system to convert to; geographic is latitude and longitude on the datum of "
                                  "the project's system (CGCS2000 for a local grid)"),
                   {}};
const CliOption Output{QStringLiteral("output"), QStringLiteral("FILE"),
                       QStringLiteral("writes the converted points as CSV and leaves the list as it is"),
                       QStringLiteral("the list is replaced and takes the new system")};
const CliOption Factors{QStringLiteral("factors"), {},
                        QStringLiteral("adds the grid scale factor (SCALE) and the meridian convergence in degrees "
                                       "(CONVERGENCE) of the target system to each row of --output"),
                        {}};

struct Range
{
    double low, high;
};

// The option's number within its range, the fallback when it is not given; nothing when it
// is given and is no number or out of range.
std::optional<double> NumberOption(const ParsedArguments& parsed, const CliOption& option, double fallback,
                                   Range range)
{
    if (!parsed.Has(option.name))
        return fallback;
    bool ok = false;
    const double value = parsed.Value(option.name).toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < range.low || value > range.high)
        return std::nullopt;
    return value;
}

int SetLocal(CliContext& context, const ParsedArguments& parsed)
{
    if (!parsed.Has(Meridian.name))
        return UsageError(QStringLiteral("crs set local needs --meridian"), CrsUsage);
    struct Field
    {
        const CliOption& option;
        double fallback;
        Range range;
        double& value;
    };
    LocalGrid grid;
    const Field fields[] = {
        {Meridian, 0, {-180, 180}, grid.meridian},
        {Height, 0, {-1000, 10000}, grid.height},
        {FalseEasting, 500000, {-1e8, 1e8}, grid.falseEasting},
        {FalseNorthing, 0, {-1e8, 1e8}, grid.falseNorthing},
        {Scale, 1, {0.9, 1.1}, grid.scale},
    };
    for (const Field& field : fields)
    {
        const std::optional<double> value = NumberOption(parsed, field.option, field.fallback, field.range);
        if (!value)
            return UsageError(QStringLiteral("--%1 must be a number: %2").arg(field.option.name, field.option.description),
                              CrsUsage);
        field.value = *value;
    }
    return ReportOutcome(context, WriteProjectSystem(context.store, CoordinateSystem::Local(grid)));
}

int RunCrs(CliContext& context, const ParsedArguments& parsed)
{
    const bool localOptions = parsed.Has(Meridian.name) || parsed.Has(Height.name) ||
                              parsed.Has(FalseEasting.name) || parsed.Has(FalseNorthing.name) ||
                              parsed.Has(Scale.name);
    if (parsed.positional.isEmpty())
    {
        if (localOptions)
            return UsageError(QStringLiteral("the grid options belong to crs set local"), CrsUsage);
        bool readFailed = false;
        const CoordinateSystem system = ReadProjectSystem(context.store, &readFailed);
        if (readFailed)
            return ExitStatus::Failure;
        context.out << DescriptionOf(system) << '\n';
        context.out.flush();
        return ExitStatus::Success;
    }
    if (parsed.positional.size() != 2 || parsed.positional[0] != QLatin1String("set"))
        return UsageError(QStringLiteral("crs takes nothing, or set and a system"), CrsUsage);
    const QString system = parsed.positional[1];
    if (system == QLatin1String("local"))
        return SetLocal(context, parsed);
    if (localOptions)
        return UsageError(QStringLiteral("the grid options belong to crs set local"), CrsUsage);
    // A CGCS2000 zone may be named as the register names it.
    std::optional<int> code = EpsgCodeOf(system);
    if (!code)
        code = Cgcs2000ZoneNamed(system);
    if (!code)
        return UsageError(QStringLiteral("a system is EPSG:CODE, the name of a CGCS2000 zone, or local"), CrsUsage);
    return ReportOutcome(context, WriteProjectSystem(context.store, CoordinateSystem::Epsg(*code)));
}

int RunTransform(CliContext& context, const ParsedArguments& parsed)
{
    if (!parsed.positional.isEmpty())
        return UsageError(QStringLiteral("transform takes options only"), TransformUsage);
    if (!parsed.Has(To.name))
        return UsageError(QStringLiteral("transform needs --to"), TransformUsage);
    const bool factors = parsed.Has(Factors.name);
    if (factors && !parsed.Has(Output.name))
        return UsageError(QStringLiteral("--factors needs --output"), TransformUsage);
    const QString toText = parsed.Value(To.name);
    CoordinateSystem to;
    if (toText == QLatin1String("geographic"))
    {
        bool readFailed = false;
        const CoordinateSystem from = ReadProjectSystem(context.store, &readFailed);
        if (readFailed)
            return ExitStatus::Failure;
        if (const Outcome checked = CheckSystem(from); !checked.Succeeded())
            return ReportOutcome(context, checked);
        const std::optional<CoordinateSystem> geographic = GeographicOf(from);
        if (!geographic)
            return ReportOutcome(context, {Status::UnknownCoordinateSystem, ProjDefinitionOf(from)});
        to = *geographic;
    }
    else if (const std::optional<int> code = EpsgCodeOf(toText))
        to = CoordinateSystem::Epsg(*code);
    else
        return UsageError(QStringLiteral("--to must be EPSG:CODE or geographic"), TransformUsage);
    if (parsed.Has(Output.name))
        return ReportOutcome(context, WriteTransformedPoints(context.store, to, parsed.Value(Output.name), factors));
    return ReportOutcome(context, TransformPointList(context.store, to));
}
} // namespace

const CliCommand& CrsCommand()
{
    static const CliCommand command{
        "crs", CrsUsage,
        "prints the project's coordinate system (EPSG:CODE NAME, the local grid's PROJ definition, or none), or "
        "stores one: a system of the EPSG register (CGCS2000 6-degree zones are EPSG:4491 to 4512, 3-degree zones "
        "EPSG:4513 to 4554; a zone may also be given by its name, e.g. \"CGCS2000 / 3-degree Gauss-Kruger CM "
        "117E\") or a local grid, a transverse Mercator on CGCS2000 raised by the projection height",
        {Meridian, Height, FalseEasting, FalseNorthing, Scale}, RunCrs};
    return command;
}

const CliCommand& TransformCommand()
{
    static const CliCommand command{
        "transform", TransformUsage,
        "converts the point list from the project's coordinate system to another: replaces the list and sets the "
        "project's system, or with --output writes CSV PT,N,E,Z,CODE (geographic: PT,LAT,LON,Z,CODE, degrees with "
        "9 decimals) and leaves the list",
        {To, Output, Factors}, RunTransform};
    return command;
}
