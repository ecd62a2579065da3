#include "commands/compute.h"

#include "commands/adjust.h"

#include "arguments.h"
#include "cli_reporter.h"
#include "core/compute/angles.h"
#include "core/compute/compute_texts.h"
#include "core/compute/faces.h"
#include "core/compute/polar.h"
#include "core/compute/traverse.h"
#include "core/results/fixed_number.h"
#include "core/results/job_source.h"
#include "core/results/result_csv.h"
#include "core/results/result_store.h"
#include "report/computation_reports.h"
#include "report/report_writer.h"
#include "result_report.h"

#include <cmath>
#include <functional>
#include <optional>

namespace
{
// Reads the job and the known points the options name. Gives the exit status when it fails.
std::optional<int> ReadInputs(CliContext& context, const ParsedArguments& parsed, QList<Setup>& setups,
                              QList<KnownPoint>* known)
{
    const QString kindWord = parsed.Value(QStringLiteral("kind"), QStringLiteral("meas"));
    const DataKind kind = kindWord == QLatin1String("v2meas") ? DataKind::V2Meas : DataKind::Meas;
    const Outcome read = ReadJobSetups(context.store, kind, setups);
    if (read.status == Status::NoRecords || (read.Succeeded() && setups.isEmpty()))
        return ReportOutcome(context, {Status::CannotCompute, ComputeTexts::NoSetups});
    if (!read.Succeeded())
        return ReportOutcome(context, read);
    if (!known)
        return std::nullopt;
    const QString source = parsed.Value(QStringLiteral("known"));
    if (source.isEmpty())
    {
        *known = ControlOfJob(setups);
        return std::nullopt;
    }
    const Outcome knownRead = source == QLatin1String("coor") ? ReadKnownFromList(context.store, *known)
                                                              : ReadKnownFromFile(source, *known);
    if (!knownRead.Succeeded())
        return ReportOutcome(context, knownRead);
    return std::nullopt;
}

// Writes the CSV and the report to the files --output and --report name, when they are given;
// the report is composed only when asked for. Gives the exit status when one cannot be written.
std::optional<int> WriteAskedFiles(CliContext& context, const ParsedArguments& parsed,
                                   const std::function<Outcome(const QString& path)>& writeCsv,
                                   const std::function<ReportDocument()>& report)
{
    if (parsed.Has(QStringLiteral("output")))
    {
        const Outcome written = writeCsv(parsed.Value(QStringLiteral("output")));
        if (!written.Succeeded())
            return ReportOutcome(context, written);
    }
    if (parsed.Has(QStringLiteral("report")))
    {
        const Outcome written = WriteReport(parsed.Value(QStringLiteral("report")), report());
        if (!written.Succeeded())
            return ReportOutcome(context, written);
    }
    return std::nullopt;
}

std::optional<double> NumberOption(const ParsedArguments& parsed, const QString& name, double low, double high,
                                   double fallback)
{
    if (!parsed.Has(name))
        return fallback;
    bool ok = false;
    const double value = parsed.Value(name).toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < low || value > high)
        return std::nullopt;
    return value;
}

int RunPoints(CliContext& context, const ParsedArguments& parsed)
{
    PolarOptions options;
    if (parsed.Value(QStringLiteral("refraction")) == QLatin1String("off"))
        options.refraction.reset();
    else if (const auto k = NumberOption(parsed, QStringLiteral("refraction"), -1, 1, 0.14))
        options.refraction = *k;
    else
        return UsageError(QStringLiteral("--refraction must be a coefficient from -1 to 1, or off"), ComputeUsage);
    const auto scale = NumberOption(parsed, QStringLiteral("scale"), 0.5, 2, 1);
    if (!scale)
        return UsageError(QStringLiteral("--scale must be a factor from 0.5 to 2"), ComputeUsage);
    options.scale = *scale;
    const auto tolerance = NumberOption(parsed, QStringLiteral("tolerance"), 0, 1e6, 10);
    if (!tolerance)
        return UsageError(QStringLiteral("--tolerance must be a number of millimetres, 0 or more"), ComputeUsage);
    options.toleranceMm = *tolerance;

    QList<Setup> setups;
    QList<KnownPoint> known;
    if (const auto failed = ReadInputs(context, parsed, setups, parsed.Has(QStringLiteral("known")) ? &known : nullptr))
        return *failed;
    const PolarResult result = ComputePoints(setups, known, options);
    const Outcome stored = StoreComputedPoints(context.store, result);
    if (!stored.Succeeded())
        return ReportOutcome(context, stored);
    if (const auto failed = WriteAskedFiles(
            context, parsed, [&](const QString& path) { return WritePointsCsv(path, result); },
            [&] { return PointsReport(result, options); }))
        return *failed;
    context.out << QStringLiteral("%1 points from %2 setups; %3 beyond %4 mm\n")
                       .arg(result.points.size())
                       .arg(setups.size())
                       .arg(result.flagged)
                       .arg(QString::number(options.toleranceMm));
    return ExitStatus::Success;
}

int RunFaces(CliContext& context, const ParsedArguments& parsed)
{
    QList<Setup> setups;
    if (const auto failed = ReadInputs(context, parsed, setups, nullptr))
        return *failed;
    const QList<FaceCheck> checks = CheckFaces(setups);
    if (const auto failed = WriteAskedFiles(
            context, parsed, [&](const QString& path) { return WriteFacesCsv(path, checks); },
            [&] { return FacesReport(checks, DefaultC2SpreadLimit); }))
        return *failed;
    qsizetype pairs = 0, beyond = 0;
    for (const FaceCheck& check : checks)
    {
        pairs += check.pairs.size();
        beyond += check.withinLimit ? 0 : 1;
    }
    context.out << QStringLiteral("%1 pairs from %2 setups; %3 beyond %4\" 2C spread\n")
                       .arg(pairs)
                       .arg(checks.size())
                       .arg(beyond)
                       .arg(FixedNumber(DefaultC2SpreadLimit, 1));
    return ExitStatus::Success;
}

QString Signed(double value, int decimals)
{
    const QString text = FixedNumber(value, decimals);
    return text.startsWith(QLatin1Char('-')) ? text : QStringLiteral("+") + text;
}

int RunTraverse(CliContext& context, const ParsedArguments& parsed)
{
    if (!parsed.Has(QStringLiteral("route")))
        return UsageError(QStringLiteral("compute traverse needs --route"), ComputeUsage);
    const QStringList route = parsed.Value(QStringLiteral("route")).split(QLatin1Char(','));
    for (const QString& name : route)
        if (name.trimmed().isEmpty())
            return UsageError(QStringLiteral("--route names the points in order, separated by commas"), ComputeUsage);

    QList<Setup> setups;
    QList<KnownPoint> known;
    if (const auto failed = ReadInputs(context, parsed, setups, &known))
        return *failed;
    QStringList names;
    for (const QString& name : route)
        names << name.trimmed();
    const TraverseResult result = ComputeTraverse(setups, known, names);
    if (!result.outcome.Succeeded())
        return ReportOutcome(context, result.outcome);

    QList<TraverseGrade> grades;
    const Outcome gradesRead = ReadTraverseGrades(context.store, grades);
    if (!gradesRead.Succeeded())
        return ReportOutcome(context, gradesRead);
    const QString gradeName = parsed.Value(QStringLiteral("grade"));
    const std::optional<qsizetype> chosen = ChooseGrade(result, grades, gradeName);
    if (!gradeName.isEmpty() && !chosen)
        return ReportOutcome(context, {Status::CannotCompute, ComputeTexts::NoGrade.Arg(gradeName)});
    const TraverseGrade* grade = chosen && result.shape != TraverseShape::Open ? &grades.at(*chosen) : nullptr;
    const std::optional<GradeCheck> check = grade ? std::optional(CheckGrade(result, *grade)) : std::nullopt;

    if (const auto failed = WriteAskedFiles(
            context, parsed, [&](const QString& path) { return WriteTraverseCsv(path, result); },
            [&] { return TraverseReport(result, known, check, grade); }))
        return *failed;
    if (!result.angularMisclosure)
    {
        context.out << QStringLiteral("open traverse: unchecked\n");
        return ExitStatus::Success;
    }
    const double limit = check ? check->angleLimitSeconds : 0;
    context.out << QStringLiteral("angular misclosure: %1\" limit: %2\"\n")
                       .arg(Signed(Angles::ToSeconds(*result.angularMisclosure), 1), FixedNumber(limit, 1));
    context.out << QStringLiteral("coordinate misclosure: fx=%1 fy=%2 f=%3\n")
                       .arg(Signed(result.fx, 4), Signed(result.fy, 4), FixedNumber(result.f, 4));
    const QString relative = result.relativeDenominator
                                 ? QString::number(qint64(std::floor(*result.relativeDenominator)))
                                 : QStringLiteral("∞");
    context.out << QStringLiteral("relative misclosure: 1/%1 limit: 1/%2\n")
                       .arg(relative)
                       .arg(grade ? qint64(grade->relativeDenominator) : 0);
    if (check)
        context.out << QStringLiteral("grade %1: %2\n").arg(check->grade, check->Passed() ? QStringLiteral("pass") : QStringLiteral("fail"));
    return ExitStatus::Success;
}

int RunCompute(CliContext& context, const ParsedArguments& parsed)
{
    if (!parsed.positional.isEmpty() && parsed.positional.first() == QLatin1String("resection"))
    {
        ParsedArguments station = parsed;
        station.positional.removeFirst();
        return RunResection(context, station);
    }
    if (parsed.positional.size() != 1)
        return UsageError(QStringLiteral("compute takes what to compute: points, faces, traverse or resection"),
                          ComputeUsage);
    const QString kind = parsed.Value(QStringLiteral("kind"), QStringLiteral("meas"));
    if (kind != QLatin1String("meas") && kind != QLatin1String("v2meas"))
        return UsageError(QStringLiteral("--kind must be meas or v2meas"), ComputeUsage);
    const QString what = parsed.positional.first();
    const auto refuse = [&](const char* option) {
        return parsed.Has(QString::fromLatin1(option))
                   ? UsageError(QStringLiteral("--%1 does not apply to compute %2").arg(QString::fromLatin1(option), what),
                                ComputeUsage)
                   : 0;
    };
    if (what == QLatin1String("points"))
    {
        for (const char* option : {"route", "grade"})
            if (const int status = refuse(option))
                return status;
        return RunPoints(context, parsed);
    }
    if (what == QLatin1String("faces"))
    {
        for (const char* option : {"route", "grade", "known", "refraction", "scale", "tolerance"})
            if (const int status = refuse(option))
                return status;
        return RunFaces(context, parsed);
    }
    if (what == QLatin1String("traverse"))
    {
        for (const char* option : {"refraction", "scale", "tolerance"})
            if (const int status = refuse(option))
                return status;
        return RunTraverse(context, parsed);
    }
    return UsageError(QStringLiteral("unknown computation %1").arg(what), ComputeUsage);
}
} // namespace

const CliCommand& ComputeCommand()
{
    static const CliCommand command{
        "compute", ComputeUsage,
        "computes from the measurement job: every observed point recomputed from its setup (stored as the list "
        "kind calc), the both-face pairs with 2C and index error, or a traverse with its misclosures and "
        "adjusted coordinates",
        {CliOptions::JobKind, CliOptions::Known, CliOptions::Refraction, CliOptions::Scale, CliOptions::Tolerance,
         CliOptions::Route, CliOptions::Grade, CliOptions::Output, CliOptions::Report},
        RunCompute};
    return command;
}
