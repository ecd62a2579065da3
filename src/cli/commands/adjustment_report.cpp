#include "commands/adjustment_report.h"

#include <QStringList>
#include <QTextStream>

#include <cmath>
#include <numbers>

using namespace Adjustment;

namespace
{
constexpr double Rho = 180.0 * 3600.0 / std::numbers::pi;

// ddd°mm′ss.s″ of an angle in radians, in [0°, 360°) unless it is a signed difference.
QString Dms(double radians, bool wrap = true)
{
    double seconds = radians * Rho;
    if (wrap)
        seconds = std::fmod(std::fmod(seconds, 1296000.0) + 1296000.0, 1296000.0);
    const QString sign = seconds < 0 ? QStringLiteral("-") : QString();
    // Rounded once to the tenth of a second, so 59.96″ never shows as 60.0″.
    const qint64 tenths = qint64(std::llround(std::abs(seconds) * 10.0));
    return QStringLiteral("%1%2°%3'%4\"")
        .arg(sign)
        .arg(tenths / 36000)
        .arg((tenths / 600) % 60, 2, 10, QLatin1Char('0'))
        .arg(double(tenths % 600) / 10.0, 4, 'f', 1, QLatin1Char('0'));
}

QString Mm(double metres)
{
    return QString::number(metres * 1000.0, 'f', 1);
}

QString Optional(const std::optional<double>& value, int decimals, double factor = 1.0)
{
    return value ? QString::number(*value * factor, 'f', decimals) : QStringLiteral("-");
}

QString DatumWord(Datum datum)
{
    switch (datum)
    {
    case Datum::Fixed: return QStringLiteral("fixed");
    case Datum::Weighted: return QStringLiteral("weighted");
    case Datum::Free: break;
    }
    return QStringLiteral("adjusted");
}

void WriteTest(QTextStream& out, const GlobalTest& test)
{
    out << "vTPv: " << QString::number(test.weightedSquareSum, 'f', 3) << ", degrees of freedom: " << test.dof << "\n";
    if (!test.made)
    {
        out << "sigma0 a posteriori: none (no redundancy); the chi-square test cannot be made\n";
        return;
    }
    out << "sigma0 a posteriori: " << QString::number(*test.sigma0, 'f', 3) << "\n";
    out << "chi-square test at 95 % (two-sided): " << QString::number(test.lowerBound, 'f', 3)
        << " <= vTPv <= " << QString::number(test.upperBound, 'f', 3) << ": " << (test.passed ? "pass" : "fail")
        << "\n";
}

void WriteResiduals(QTextStream& out, const Network& network, const std::vector<Residual>& residuals,
                    const Snooping& snooping)
{
    out << qSetFieldWidth(0);
    out << "observation\tobserved\tadjusted\tv\tsigma\tr\tw\n";
    for (const Residual& residual : residuals)
    {
        const bool angle = residual.ref.kind == ObservationKind::Direction;
        out << ObservationName(network, residual.ref) << '\t'
            << (angle ? Dms(residual.observed) : QString::number(residual.observed, 'f', 4)) << '\t'
            << (angle ? Dms(residual.adjusted) : QString::number(residual.adjusted, 'f', 4)) << '\t'
            << (angle ? QString::number(residual.residual * Rho, 'f', 1) + '"' : Mm(residual.residual) + " mm") << '\t'
            << (angle ? QString::number(residual.sigma * Rho, 'f', 1) + '"' : Mm(residual.sigma) + " mm") << '\t'
            << QString::number(residual.redundancy, 'f', 2) << '\t' << Optional(residual.standardized, 2) << '\n';
    }
    if (snooping.residual < 0)
    {
        out << "data snooping: no observation is checked by another\n";
        return;
    }
    const Residual& largest = residuals[size_t(snooping.residual)];
    out << "data snooping: largest standardized residual " << QString::number(snooping.largest, 'f', 2) << " at "
        << ObservationName(network, largest.ref) << " (critical value "
        << QString::number(CriticalStandardizedResidual, 'f', 2) << "): "
        << (snooping.beyondCritical ? "likely a blunder; leave it out and adjust again" : "no blunder indicated")
        << "\n";
}
} // namespace

QString ObservationName(const Network& network, const ObservationRef& ref)
{
    const Setup& setup = network.setups[size_t(ref.setup)];
    const Observation& observation = setup.observations[size_t(ref.observation)];
    const QString kind = ref.kind == ObservationKind::Direction  ? QStringLiteral("direction")
                         : ref.kind == ObservationKind::Distance ? QStringLiteral("distance")
                                                                 : QStringLiteral("height difference");
    return QStringLiteral("%1->%2 %3")
        .arg(network.points[size_t(setup.station)].name, network.points[size_t(observation.target)].name, kind);
}

QString AdjustmentReportText(const Network& network, const PlanAdjustment& plan, const HeightAdjustment* heights)
{
    QString text;
    QTextStream out(&text);
    int directions = 0, distances = 0, fixed = 0;
    for (const Residual& residual : plan.residuals)
        (residual.ref.kind == ObservationKind::Direction ? directions : distances) += 1;
    for (const AdjustedPoint& point : plan.points)
        fixed += point.datum == Datum::Fixed ? 1 : 0;
    const Sigmas& sigmas = network.sigmas;

    out << "Least-squares adjustment\n========================\n\n";
    out << "Network: " << plan.points.size() << " points (" << fixed << " fixed), " << network.setups.size()
        << " setups\n";
    out << "Observations: " << directions << " directions, " << distances << " horizontal distances\n";
    out << "A priori: direction " << sigmas.directionSeconds << "\", distance " << sigmas.distanceMm << " mm + "
        << sigmas.distancePpm << " ppm, centring " << sigmas.centringMm << " mm, instrument and target heights "
        << sigmas.heightMm << " mm\n";
    out << "Unknowns: " << plan.unknowns << " (N and E of each point not fixed, one orientation per setup with "
        << "directions)\n";
    out << "Iterations: " << plan.iterations << " (until no coordinate moves by 0.1 mm)\n";
    if (!plan.leftOut.empty())
    {
        QStringList names;
        for (const int point : plan.leftOut)
            names << network.points[size_t(point)].name;
        out << "Left out, a single observation reaching them: " << names.join(QStringLiteral(", ")) << "\n";
    }
    out << "\n";

    out << "Adjusted coordinates (standard deviations and standard ellipses from the a priori sigma0 = 1; mm)\n";
    out << "PT\tN\tE\tmoved N\tmoved E\tSN\tSE\tA\tB\tAZ\t\n";
    for (const AdjustedPoint& point : plan.points)
    {
        out << network.points[size_t(point.point)].name << '\t' << QString::number(point.north, 'f', 4) << '\t'
            << QString::number(point.east, 'f', 4) << '\t' << Mm(point.north - point.approximateNorth) << '\t'
            << Mm(point.east - point.approximateEast) << '\t' << Optional(point.sigmaNorth, 1, 1000.0) << '\t'
            << Optional(point.sigmaEast, 1, 1000.0) << '\t';
        if (point.ellipse)
            out << Mm(point.ellipse->major) << '\t' << Mm(point.ellipse->minor) << '\t' << Dms(point.ellipse->azimuth);
        else
            out << "-\t-\t-";
        out << '\t' << DatumWord(point.datum) << '\n';
    }
    out << "\nOrientations (azimuth = direction + orientation)\nSTATION\torientation\tsigma\n";
    for (const AdjustedOrientation& orientation : plan.orientations)
        out << network.points[size_t(network.setups[size_t(orientation.setup)].station)].name << '\t'
            << Dms(orientation.orientation) << '\t' << QString::number(orientation.sigma * Rho, 'f', 1) << "\"\n";
    out << "\nResiduals (v = adjusted - observed; r redundancy; w standardized residual)\n";
    WriteResiduals(out, network, plan.residuals, plan.snooping);
    out << "\nGlobal test\n";
    WriteTest(out, plan.test);

    if (heights)
    {
        out << "\nHeights (adjusted separately from the trigonometric height differences; mm)\nPT\tZ\tSZ\t\n";
        for (const AdjustedHeight& height : heights->heights)
            out << network.points[size_t(height.point)].name << '\t' << QString::number(height.height, 'f', 4) << '\t'
                << Optional(height.sigma, 1, 1000.0) << '\t' << DatumWord(height.datum) << '\n';
        out << "\nResiduals of the height differences\n";
        WriteResiduals(out, network, heights->residuals, heights->snooping);
        out << "\nGlobal test of the heights\n";
        WriteTest(out, heights->test);
    }
    out.flush();
    return text;
}
