#include "commands/plot.h"

#include "arguments.h"
#include "commands.h"
#include "core/geodesy/plan_position.h"
#include "core/geodesy/system_store.h"
#include "core/plan/plan_data.h"
#include "core/views/data_kind.h"
#include "plot/plan_image.h"
#include "result_report.h"

#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>

namespace
{
constexpr int SmallestSide = 16;
constexpr int LargestSide = 16384;

std::optional<QSize> ParseSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)x(\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<int> width = ParseIntIn(match.captured(1), SmallestSide, LargestSide);
    const std::optional<int> height = ParseIntIn(match.captured(2), SmallestSide, LargestSide);
    if (!width || !height)
        return std::nullopt;
    return QSize(*width, *height);
}
void DropStartupNotices(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}
} // namespace

int RunPlot(CliContext& context, const ParsedArguments& parsed)
{
    const bool labels = !parsed.Has(CliOptions::NoLabels.name);
    if (parsed.positional.size() != 1)
        return UsageError(QStringLiteral("plot takes one file"), PlotUsage);
    if (DataKindFromName(parsed.Value(QStringLiteral("kind"))) != DataKind::Coor)
        return UsageError(QStringLiteral("plot needs --kind coor"), PlotUsage);
    const std::optional<QSize> size = ParseSize(parsed.Value(QStringLiteral("size"), QStringLiteral("1600x1200")));
    if (!size)
        return UsageError(QStringLiteral("--size must be WxH, each from %1 to %2").arg(SmallestSide).arg(LargestSide),
                          PlotUsage);
    const QString path = parsed.positional.first();
    if (PlanImageTypeOf(path) == PlanImageType::Unknown)
        return UsageError(QStringLiteral("the file must end in .png, .svg or .pdf"), PlotUsage);
    if (!AcceptChosenFile(context, path))
        return ExitStatus::Failure;

    PlanStyle style;
    style.names = labels;
    const PlanData data = ReadPlanData(context.store, DataKind::Coor);
    CPlanFrame frame(*size);
    frame.Fit(data.bounds);
    // The scale bar measures the ground at the middle of the picture, in whatever system.
    const CPlanPosition position(ReadProjectSystem(context.store));
    style.groundMetresPerUnit =
        position.GroundMetresPerUnit(frame.CentreNorth(), frame.CentreEast()).value_or(1.0);
    return ReportOutcome(context, ExportPlanImage(path, data, CPointGrid(data), frame, style));
}

const CliCommand& PlotCommand()
{
    static const CliCommand command{
        "plot", PlotUsage,
        "draws the point list as a plan, north up at one scale with a scale bar and a north arrow, "
        "to a .png, .svg or .pdf file",
        {CliOptions::Kind, CliOptions::Size, CliOptions::NoLabels}, RunPlot};
    return command;
}

std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char** argv)
{
    // The command is the first word that is neither an option nor the database's path.
    for (int i = 1; i < argc; ++i)
    {
        const QString word = QString::fromLocal8Bit(argv[i]);
        if (word == QLatin1String("--database"))
        {
            ++i;
            continue;
        }
        if (word.startsWith(QLatin1Char('-')))
            continue;
        // A computation's report may be a PDF, laid out with fonts.
        if (word != QLatin1String("plot") && word != QLatin1String("compute"))
            break;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Starting the platform complains about a missing runtime folder (under cron or ssh)
        // that a plot never uses; standard error is for the command's own messages.
        qInstallMessageHandler(DropStartupNotices);
        auto application = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(nullptr);
        return application;
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}
