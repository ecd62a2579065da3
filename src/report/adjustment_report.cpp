#include "report/adjustment_report.h"

#include "core/results/fixed_number.h"
#include "report/adjustment_report_texts.h"
#include "report/angle_text.h"
#include "report/report_texts.h"

#include <QDateTime>

#include <numbers>

using namespace Adjustment;
namespace Texts = AdjustmentReportTexts;

namespace
{
constexpr double Rho = 180.0 * 3600.0 / std::numbers::pi;

QString Mm(const std::optional<double>& metres)
{
    return metres ? FixedNumber(*metres * 1000.0, 1) : QString();
}

QString RoleText(Datum datum)
{
    switch (datum)
    {
    case Datum::Fixed: return Texts::Fixed;
    case Datum::Weighted: return Texts::Weighted;
    case Datum::Free: break;
    }
    return Texts::Free;
}

QString KindText(ObservationKind kind)
{
    switch (kind)
    {
    case ObservationKind::Direction: return Texts::Direction;
    case ObservationKind::Distance: return Texts::Distance;
    case ObservationKind::HeightDifference: break;
    }
    return Texts::HeightDifference;
}

const QString& StationOf(const Network& network, const ObservationRef& ref)
{
    return network.points[size_t(network.setups[size_t(ref.setup)].station)].name;
}

const QString& TargetOf(const Network& network, const ObservationRef& ref)
{
    const Setup& setup = network.setups[size_t(ref.setup)];
    return network.points[size_t(setup.observations[size_t(ref.observation)].target)].name;
}

ReportSection ResidualSection(const QString& heading, const Network& network, const std::vector<Residual>& residuals)
{
    ReportTable table{Texts::ResidualNote,
                      {ReportTexts::Station, Texts::Target, Texts::Kind, Texts::ObservedValue, Texts::AdjustedValue,
                       ReportTexts::V, ReportTexts::Sigma, ReportTexts::R, ReportTexts::W},
                      {},
                      {3, 4, 5, 6, 7, 8}};
    for (const Residual& residual : residuals)
    {
        const bool angle = residual.ref.kind == ObservationKind::Direction;
        table.rows << QStringList{StationOf(network, residual.ref),
                                  TargetOf(network, residual.ref),
                                  KindText(residual.ref.kind),
                                  angle ? DmsText(residual.observed) : FixedNumber(residual.observed, 4),
                                  angle ? DmsText(residual.adjusted) : FixedNumber(residual.adjusted, 4),
                                  angle ? SignedSecondsText(residual.residual) : Mm(residual.residual) + " mm",
                                  angle ? FixedNumber(residual.sigma * Rho, 1) + "″" : Mm(residual.sigma) + " mm",
                                  FixedNumber(residual.redundancy, 2),
                                  FixedNumber(residual.standardized, 2)};
    }
    return ReportSection{heading, {}, {table}};
}

// The stations whose setups have values of their own, each once, and the known points held
// with a weight instead of fixed.
void AddOwnAPriori(ReportDocument& document, const Network& network)
{
    QStringList stations;
    for (const Setup& setup : network.setups)
    {
        const QString& station = network.points[size_t(setup.station)].name;
        if (!setup.sigmas || stations.contains(station))
            continue;
        stations << station;
        const Sigmas& own = *setup.sigmas;
        document.header << ReportLine{Texts::StationAPriori.Arg(station),
                                      Texts::StationAPrioriValues.Arg(QString::number(own.directionSeconds),
                                                                  QString::number(own.distanceMm),
                                                                  QString::number(own.distancePpm),
                                                                  QString::number(own.centringMm))};
    }
    for (const NetworkPoint& point : network.points)
    {
        QStringList weights;
        if (point.PlanDatum() == Datum::Weighted)
            weights << Texts::PlanWeight.Arg(QString::number(point.sigmaPlan * 1000.0));
        if (point.LevelDatum() == Datum::Weighted)
            weights << Texts::HeightWeight.Arg(QString::number(point.sigmaHeight * 1000.0));
        if (!weights.isEmpty())
            document.header << ReportLine{Texts::WeightedPoint.Arg(point.name), weights.join(QStringLiteral("; "))};
    }
}

ReportSection TestSection(const QString& heading, const Network& network, const std::vector<Residual>& residuals,
                          const GlobalTest& test, const Snooping& snooping)
{
    ReportSection section{heading, {}, {}};
    section.lines << ReportLine{ReportTexts::WeightedSquareSum, FixedNumber(test.weightedSquareSum, 3)}
                  << ReportLine{Texts::Dof, QString::number(test.dof)};
    if (!test.made)
    {
        section.lines << ReportLine{Texts::Sigma0, Texts::NoRedundancy};
        return section;
    }
    section.lines << ReportLine{Texts::Sigma0, FixedNumber(*test.sigma0, 3)}
                  << ReportLine{Texts::ChiSquare,
                                QStringLiteral("%1 ≤ %2 ≤ %3")
                                    .arg(FixedNumber(test.lowerBound, 3), FixedNumber(test.weightedSquareSum, 3),
                                         FixedNumber(test.upperBound, 3)),
                                test.passed ? ReportLine::Verdict::Pass : ReportLine::Verdict::Fail};
    if (snooping.residual >= 0)
    {
        const Residual& largest = residuals[size_t(snooping.residual)];
        const QString observation = QStringLiteral("%1→%2 %3")
                                        .arg(StationOf(network, largest.ref), TargetOf(network, largest.ref),
                                             KindText(largest.ref.kind));
        section.lines << ReportLine{Texts::Snooping,
                                    Texts::SnoopingValue.Arg(FixedNumber(snooping.largest, 2), observation,
                                                         FixedNumber(CriticalStandardizedResidual, 2)),
                                    snooping.beyondCritical ? ReportLine::Verdict::Fail : ReportLine::Verdict::Pass};
        if (snooping.beyondCritical)
            section.lines << ReportLine{{}, Texts::LikelyBlunder};
    }
    return section;
}
} // namespace

ReportDocument AdjustmentReport(const Network& network, const PlanAdjustment& plan, const HeightAdjustment* heights)
{
    int directions = 0, distances = 0;
    for (const Residual& residual : plan.residuals)
        ++(residual.ref.kind == ObservationKind::Direction ? directions : distances);
    const Sigmas& sigmas = network.sigmas;

    ReportDocument document;
    document.title = Texts::Title;
    document.header << ReportLine{Texts::Network, QString::number(plan.points.size())}
                    << ReportLine{Texts::Setups, QString::number(network.setups.size())}
                    << ReportLine{Texts::Directions, QString::number(directions)}
                    << ReportLine{Texts::Distances, QString::number(distances)};
    if (heights)
        document.header << ReportLine{Texts::HeightDifferences, QString::number(heights->residuals.size())};
    document.header << ReportLine{Texts::APriori,
                                  Texts::APrioriValues.Arg(QString::number(sigmas.directionSeconds),
                                                       QString::number(sigmas.distanceMm),
                                                       QString::number(sigmas.distancePpm),
                                                       QString::number(sigmas.centringMm),
                                                       QString::number(sigmas.heightMm))}
                    << ReportLine{Texts::CentringModel, Texts::CentringModelValue};
    AddOwnAPriori(document, network);
    document.header << ReportLine{ReportTexts::Computed,
                                  QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))};

    ReportSection coordinates{Texts::Coordinates, {}, {}};
    coordinates.lines << ReportLine{Texts::Unknowns, QString::number(plan.unknowns)}
                      << ReportLine{Texts::Iterations, Texts::IterationsValue.Counted(plan.iterations)};
    if (!plan.leftOut.empty())
    {
        QStringList names;
        for (const int point : plan.leftOut)
            names << network.points[size_t(point)].name;
        coordinates.lines << ReportLine{Texts::LeftOut, names.join(QStringLiteral(", "))};
    }
    ReportTable table{Texts::SigmaNote,
                      {ReportTexts::Point, ReportTexts::North, ReportTexts::East, ReportTexts::DeltaNmm, ReportTexts::DeltaEmm,
                       ReportTexts::SigmaN, ReportTexts::SigmaE, ReportTexts::MajorAxis, ReportTexts::MinorAxis, Texts::MajorAzimuth,
                       Texts::Role},
                      {},
                      {1, 2, 3, 4, 5, 6, 7, 8, 9}};
    for (const AdjustedPoint& point : plan.points)
        table.rows << QStringList{network.points[size_t(point.point)].name,
                                  FixedNumber(point.north, 4),
                                  FixedNumber(point.east, 4),
                                  Mm(point.north - point.approximateNorth),
                                  Mm(point.east - point.approximateEast),
                                  Mm(point.sigmaNorth),
                                  Mm(point.sigmaEast),
                                  point.ellipse ? Mm(point.ellipse->major) : QString(),
                                  point.ellipse ? Mm(point.ellipse->minor) : QString(),
                                  point.ellipse ? DmsText(point.ellipse->azimuth, 0) : QString(),
                                  RoleText(point.datum)};
    coordinates.tables << table;
    document.sections << coordinates;

    ReportTable orientations{{}, {ReportTexts::Station, Texts::Orientation, ReportTexts::Sigma}, {}, {1, 2}};
    for (const AdjustedOrientation& orientation : plan.orientations)
        orientations.rows << QStringList{network.points[size_t(network.setups[size_t(orientation.setup)].station)].name,
                                         DmsText(orientation.orientation),
                                         FixedNumber(orientation.sigma * Rho, 1) + "″"};
    document.sections << ReportSection{Texts::Orientations, {}, {orientations}};
    document.sections << ResidualSection(Texts::Residuals, network, plan.residuals);
    document.sections << TestSection(Texts::Tests, network, plan.residuals, plan.test, plan.snooping);

    if (heights)
    {
        ReportTable heightTable{{}, {ReportTexts::Point, QStringLiteral("Z"), ReportTexts::SigmaZ, Texts::Role}, {}, {1, 2}};
        for (const AdjustedHeight& height : heights->heights)
            heightTable.rows << QStringList{network.points[size_t(height.point)].name, FixedNumber(height.height, 4),
                                            Mm(height.sigma), RoleText(height.datum)};
        document.sections << ReportSection{Texts::HeightsTitle, {}, {heightTable}};
        document.sections << ResidualSection(Texts::HeightResiduals, network, heights->residuals);
        document.sections << TestSection(Texts::HeightTests, network, heights->residuals, heights->test,
                                         heights->snooping);
    }
    return document;
}
