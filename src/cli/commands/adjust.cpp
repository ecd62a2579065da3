#include "commands/adjust.h"

#include "arguments.h"
#include "core/compute/adjustment/network_from_setups.h"
#include "core/compute/adjustment/plan_adjustment.h"
#include "core/compute/compute_texts.h"
#include "core/files/field_line.h"
#include "core/files/gbk_text.h"
#include "core/results/job_source.h"
#include "core/results/result_store.h"
#include "report/adjustment_report.h"
#include "report/report_writer.h"
#include "result_report.h"

#include <QFile>

#include <cmath>
#include <numbers>

using namespace Adjustment;

namespace
{
const CliOption SigmaDirection{QStringLiteral("sigma-direction"), QStringLiteral("S"),
                               QStringLiteral("the a priori standard deviation of a direction, seconds of arc"),
                               QStringLiteral("2")};
const CliOption SigmaDistance{QStringLiteral("sigma-distance"), QStringLiteral("A,B"),
                              QStringLiteral("the a priori standard deviation of a distance, A mm + B ppm"),
                              QStringLiteral("2,2")};
const CliOption Fixed{QStringLiteral("fixed"), QStringLiteral("P1,P2,..."),
                      QStringLiteral("the known points held fixed; the other known points only start the iterations"),
                      QStringLiteral("every known point")};
const CliOption Heights{QStringLiteral("heights"), {},
                        QStringLiteral("adjusts the heights too, from the trigonometric height differences"), {}};

// The job's setups and the known points the options name; the exit status when they cannot be read.
std::optional<int> ReadJobInputs(CliContext& context, const ParsedArguments& parsed, QList<::Setup>& setups,
                                 QList<KnownPoint>& known)
{
    const QString kindWord = parsed.Value(CliOptions::JobKind.name, QStringLiteral("meas"));
    if (kindWord != QLatin1String("meas") && kindWord != QLatin1String("v2meas"))
        return UsageError(QStringLiteral("--kind must be meas or v2meas"), AdjustUsage);
    const Outcome read = ReadJobSetups(context.store, kindWord == QLatin1String("v2meas") ? DataKind::V2Meas : DataKind::Meas, setups);
    if (read.status == Status::NoRecords || (read.Succeeded() && setups.isEmpty()))
        return ReportOutcome(context, {Status::CannotCompute, ComputeTexts::NoSetups});
    if (!read.Succeeded())
        return ReportOutcome(context, read);
    const QString source = parsed.Value(CliOptions::Known.name);
    if (source.isEmpty())
    {
        known = ControlOfJob(setups);
        return std::nullopt;
    }
    const Outcome knownRead = source == QLatin1String("coor") ? ReadKnownFromList(context.store, known)
                                                              : ReadKnownFromFile(source, known);
    if (!knownRead.Succeeded())
        return ReportOutcome(context, knownRead);
    return std::nullopt;
}

// The name of an observation in the summary: "STATION->PT direction" or "… distance".
QString ObservationName(const Network& network, const ObservationRef& ref)
{
    const Adjustment::Setup& setup = network.setups[size_t(ref.setup)];
    const QString kind = ref.kind == ObservationKind::Direction  ? QStringLiteral("direction")
                         : ref.kind == ObservationKind::Distance ? QStringLiteral("distance")
                                                                 : QStringLiteral("height difference");
    return QStringLiteral("%1->%2 %3")
        .arg(network.points[size_t(setup.station)].name,
             network.points[size_t(setup.observations[size_t(ref.observation)].target)].name, kind);
}

QString Fixed4(double value)
{
    return QString::number(value, 'f', 4);
}
QString Mm1(const std::optional<double>& metres)
{
    return metres ? QString::number(*metres * 1000.0, 'f', 1) : QString();
}

// Writes the lines, CR LF ended, or says why not.
Outcome WriteLines(const QString& path, const QStringList& lines)
{
    CTextFileWriter writer(path);
    if (!writer.Open())
        return Status::FileNotWritable;
    for (const QString& line : lines)
        writer.WriteLine(line);
    return writer.Commit();
}

void PrintSummary(CliContext& context, const Network& network, const GlobalTest& test, const Snooping& snooping,
                  const std::vector<Residual>& residuals, const QString& prefix = {})
{
    if (test.made)
        context.out << prefix << "sigma0: " << QString::number(*test.sigma0, 'f', 3) << " (dof " << test.dof << ")\n";
    else
        context.out << prefix << "sigma0: none (dof " << test.dof << ")\n";
    context.out << prefix << "chi-square test: " << (!test.made ? "none" : test.passed ? "pass" : "fail") << "\n";
    if (snooping.residual >= 0)
        context.out << prefix << "largest standardized residual: " << QString::number(snooping.largest, 'f', 2)
                    << " at " << ObservationName(network, residuals[size_t(snooping.residual)].ref) << "\n";
    else
        context.out << prefix << "largest standardized residual: none\n";
}

std::optional<Sigmas> ParseSigmas(const ParsedArguments& parsed, QString& problem)
{
    Sigmas sigmas;
    bool ok = true;
    if (parsed.Has(SigmaDirection.name))
    {
        sigmas.directionSeconds = parsed.Value(SigmaDirection.name).toDouble(&ok);
        if (!ok || !(sigmas.directionSeconds > 0.0) || !std::isfinite(sigmas.directionSeconds))
        {
            problem = QStringLiteral("--sigma-direction must be a number of seconds above 0");
            return std::nullopt;
        }
    }
    if (parsed.Has(SigmaDistance.name))
    {
        const QStringList parts = parsed.Value(SigmaDistance.name).split(QLatin1Char(','));
        bool okA = false, okB = false;
        if (parts.size() == 2)
        {
            sigmas.distanceMm = parts[0].toDouble(&okA);
            sigmas.distancePpm = parts[1].toDouble(&okB);
        }
        if (!okA || !okB || sigmas.distanceMm < 0 || sigmas.distancePpm < 0 ||
            !(sigmas.distanceMm + sigmas.distancePpm > 0) || !std::isfinite(sigmas.distanceMm + sigmas.distancePpm))
        {
            problem = QStringLiteral("--sigma-distance must be A,B: millimetres and ppm, not negative, not both 0");
            return std::nullopt;
        }
    }
    return sigmas;
}

int RunAdjust(CliContext& context, const ParsedArguments& parsed)
{
    if (!parsed.positional.isEmpty())
        return UsageError(QStringLiteral("adjust takes no file or name"), AdjustUsage);
    QString problem;
    const std::optional<Sigmas> sigmas = ParseSigmas(parsed, problem);
    if (!sigmas)
        return UsageError(problem, AdjustUsage);

    QList<::Setup> setups;
    QList<KnownPoint> known;
    if (const auto failed = ReadJobInputs(context, parsed, setups, known))
        return *failed;
    NetworkOptions options;
    options.sigmas = *sigmas;
    if (parsed.Has(Fixed.name))
        options.fixed = parsed.Value(Fixed.name).split(QLatin1Char(','), Qt::SkipEmptyParts);
    Network network;
    if (const Outcome built = BuildNetwork(setups, known, options, network); !built.Succeeded())
        return ReportOutcome(context, built);

    const PlanAdjustment plan = AdjustPlan(network);
    if (!plan.outcome.Succeeded())
        return ReportOutcome(context, plan.outcome);
    std::optional<HeightAdjustment> heights;
    if (parsed.Has(Heights.name))
    {
        heights = AdjustHeights(network);
        if (!heights->outcome.Succeeded())
            return ReportOutcome(context, heights->outcome);
    }

    if (parsed.Has(QStringLiteral("output")))
    {
        QStringList lines{heights ? QStringLiteral("PT,N,E,SN,SE,A,B,AZ,Z,SZ") : QStringLiteral("PT,N,E,SN,SE,A,B,AZ")};
        for (const AdjustedPoint& point : plan.points)
        {
            QStringList fields{network.points[size_t(point.point)].name, Fixed4(point.north), Fixed4(point.east),
                               Mm1(point.sigmaNorth), Mm1(point.sigmaEast)};
            if (point.ellipse)
                fields << Mm1(point.ellipse->major) << Mm1(point.ellipse->minor)
                       << QString::number(point.ellipse->azimuth * 180.0 / std::numbers::pi, 'f', 6);
            else
                fields << QString() << QString() << QString();
            if (heights)
            {
                const auto found = std::find_if(heights->heights.begin(), heights->heights.end(),
                                                [&](const AdjustedHeight& h) { return h.point == point.point; });
                fields << (found != heights->heights.end() ? Fixed4(found->height) : QString())
                       << (found != heights->heights.end() ? Mm1(found->sigma) : QString());
            }
            lines << CsvLine(fields);
        }
        if (const Outcome written = WriteLines(parsed.Value(QStringLiteral("output")), lines); !written.Succeeded())
            return ReportOutcome(context, written);
    }
    if (parsed.Has(CliOptions::Report.name))
    {
        const Outcome written = WriteReport(parsed.Value(CliOptions::Report.name),
                                            AdjustmentReport(network, plan, heights ? &*heights : nullptr));
        if (!written.Succeeded())
            return ReportOutcome(context, written);
    }
    context.out << "iterations: " << plan.iterations << "\n";
    PrintSummary(context, network, plan.test, plan.snooping, plan.residuals);
    if (heights)
        PrintSummary(context, network, heights->test, heights->snooping, heights->residuals, QStringLiteral("height "));
    return ExitStatus::Success;
}
} // namespace

int RunResection(CliContext& context, const ParsedArguments& parsed)
{
    if (parsed.positional.size() != 1)
        return UsageError(QStringLiteral("compute resection takes one station name"), ResectionUsage);
    for (const char* option : {"fixed", "sigma-direction", "sigma-distance", "heights", "report", "route", "grade",
                               "refraction", "scale", "tolerance"})
        if (parsed.Has(QString::fromLatin1(option)))
            return UsageError(QStringLiteral("--%1 does not apply to compute resection").arg(QString::fromLatin1(option)),
                              ResectionUsage);
    QList<::Setup> setups;
    QList<KnownPoint> known;
    if (const auto failed = ReadJobInputs(context, parsed, setups, known))
        return *failed;
    const QString station = parsed.positional.first();
    Network network;
    if (const Outcome built = BuildFreeStationNetwork(setups, known, station, {}, network); !built.Succeeded())
        return ReportOutcome(context, built);
    const PlanAdjustment plan = AdjustPlan(network);
    if (!plan.outcome.Succeeded())
        return ReportOutcome(context, plan.outcome);
    // The height comes along where known points with heights were measured by distance.
    std::optional<double> height;
    if (const HeightAdjustment heights = AdjustHeights(network); heights.outcome.Succeeded())
        for (const AdjustedHeight& h : heights.heights)
            if (network.points[size_t(h.point)].name == station)
                height = h.height;
    for (const AdjustedPoint& point : plan.points)
    {
        if (network.points[size_t(point.point)].name != station)
            continue;
        if (parsed.Has(QStringLiteral("output")))
        {
            const QStringList lines{QStringLiteral("PT,N,E,Z,SN,SE"),
                                    CsvLine(QStringList{station, Fixed4(point.north), Fixed4(point.east),
                                                height ? Fixed4(*height) : QString(), Mm1(point.sigmaNorth),
                                                Mm1(point.sigmaEast)})};
            if (const Outcome written = WriteLines(parsed.Value(QStringLiteral("output")), lines); !written.Succeeded())
                return ReportOutcome(context, written);
        }
        context.out << station << ": N " << Fixed4(point.north) << " E " << Fixed4(point.east);
        if (height)
            context.out << " Z " << Fixed4(*height);
        context.out << "\n";
    }
    PrintSummary(context, network, plan.test, plan.snooping, plan.residuals);
    return ExitStatus::Success;
}

const CliCommand& AdjustCommand()
{
    static const CliCommand command{
        "adjust", AdjustUsage,
        "least-squares adjustment of the whole job: directions and horizontal distances in the plan, heights "
        "separately; prints sigma0, the chi-square test and the largest standardized residual",
        {CliOptions::JobKind, CliOptions::Known, Fixed, SigmaDirection, SigmaDistance, Heights, CliOptions::Output,
         CliOptions::Report},
        RunAdjust};
    return command;
}
