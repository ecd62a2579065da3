#include "commands/fit.h"

#include "core/geodesy/parameter_fit.h"
#include "result_report.h"

#include <cmath>
#include <numbers>

namespace
{
const CliOption Common{QStringLiteral("common"), QStringLiteral("FILE"),
                       QStringLiteral("the common points, lines PT,N1,E1,Z1,N2,E2,Z2 (first system, second system); "
                                      "needed"),
                       {}};
const CliOption Exclude{QStringLiteral("exclude"), QStringLiteral("P1,..."),
                        QStringLiteral("common points left out of the fit; their residuals are still printed, "
                                       "outside the rms"),
                        {}};
const CliOption Apply{QStringLiteral("apply"), {},
                      QStringLiteral("transforms the point list with the fitted parameters (helmert also moves "
                                     "heights; points without a height stay as they are)"),
                      {}};

constexpr double ArcSeconds = 180.0 * 3600.0 / std::numbers::pi;

// Six decimals; a value that rounds to nothing reads 0.000000, never -0.000000.
QString Line(const char* name, double value)
{
    return QStringLiteral("%1: %2\n").arg(QLatin1String(name), QString::number(std::round(value * 1e6) / 1e6 + 0.0, 'f', 6));
}

// Tenths of a millimetre; a residual that rounds to nothing reads 0.0, never -0.0.
QString Millimetres(double metres)
{
    return QString::number(std::round(metres * 10000.0) / 10.0 + 0.0, 'f', 1);
}

void PrintFit(CliContext& context, const FitResult& fit)
{
    if (fit.model == FitModel::Similarity)
    {
        const SimilarityParameters& p = fit.similarity;
        context.out << Line("dN", p.dN) << Line("dE", p.dE) << Line("rotation", p.rotation * ArcSeconds)
                    << Line("scale", p.scale * 1e6);
    }
    else
    {
        const HelmertParameters& p = fit.helmert;
        context.out << Line("tx", p.tx) << Line("ty", p.ty) << Line("tz", p.tz) << Line("rx", p.rx * ArcSeconds)
                    << Line("ry", p.ry * ArcSeconds) << Line("rz", p.rz * ArcSeconds) << Line("scale", p.scale * 1e6);
    }
    for (const FitResidual& residual : fit.residuals)
        context.out << residual.name << ' ' << Millimetres(residual.vN) << ' ' << Millimetres(residual.vE) << '\n';
    context.out << QStringLiteral("rms: %1 mm\n").arg(Millimetres(fit.rms));
    context.out.flush();
}

int RunFit(CliContext& context, const ParsedArguments& parsed)
{
    if (parsed.positional.size() != 1)
        return UsageError(QStringLiteral("fit takes similarity or helmert"), FitUsage);
    const QString modelName = parsed.positional.first();
    if (modelName != QLatin1String("similarity") && modelName != QLatin1String("helmert"))
        return UsageError(QStringLiteral("fit takes similarity or helmert"), FitUsage);
    if (!parsed.Has(Common.name))
        return UsageError(QStringLiteral("fit needs --common"), FitUsage);
    QSet<QString> excluded;
    for (const QString& name : parsed.Value(Exclude.name).split(QLatin1Char(','), Qt::SkipEmptyParts))
        excluded.insert(name.trimmed());

    std::vector<CommonPoint> points;
    if (const Outcome read = ReadCommonPoints(parsed.Value(Common.name), points); !read.Succeeded())
        return ReportOutcome(context, read);
    for (const QString& name : excluded)
        if (std::none_of(points.begin(), points.end(), [&](const CommonPoint& p) { return p.name == name; }))
            return UsageError(QStringLiteral("--exclude names %1, which is no common point").arg(name), FitUsage);
    const FitModel model = modelName == QLatin1String("helmert") ? FitModel::Helmert : FitModel::Similarity;
    const FitResult fit = FitParameters(model, points, excluded);
    if (!fit.outcome.Succeeded())
        return ReportOutcome(context, fit.outcome);
    PrintFit(context, fit);
    if (!parsed.Has(Apply.name))
        return ExitStatus::Success;
    return ReportOutcome(context, ApplyFitToList(context.store, fit));
}
} // namespace

const CliCommand& FitCommand()
{
    static const CliCommand command{
        "fit", FitUsage,
        "fits a plane similarity (dN, dE in metres, rotation in seconds from north towards east, scale in ppm) or a "
        "seven-parameter Helmert transformation (Bursa-Wolf, position vector; N, E, Z taken as X, Y, Z) to common "
        "points by least squares; prints the parameters, each point's residual (first transformed less second) "
        "PT vN vE in mm and the rms",
        {Common, Exclude, Apply}, RunFit};
    return command;
}
