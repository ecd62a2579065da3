#include "report/computation_reports.h"

#include "core/compute/angles.h"
#include "core/results/fixed_number.h"
#include "report/angle_text.h"
#include "report/report_texts.h"

#include <QDateTime>

namespace
{
QString Optional(const std::optional<double>& value, int decimals)
{
    return FixedNumber(value, decimals);
}

QString Now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}
} // namespace

ReportDocument PointsReport(const PolarResult& result, const PolarOptions& options)
{
    ReportDocument document;
    document.title = ReportTexts::PointsTitle;
    document.header << ReportLine{ReportTexts::Refraction, options.refraction ? FixedNumber(*options.refraction, 2)
                                                                              : ReportTexts::RefractionOff.Text()}
                    << ReportLine{ReportTexts::Scale, QString::number(options.scale, 'f', 8)}
                    << ReportLine{ReportTexts::Tolerance, FixedNumber(options.toleranceMm, 1)}
                    << ReportLine{ReportTexts::Computed, Now()};

    ReportTable setupTable{{},
                           {ReportTexts::Station, ReportTexts::North, ReportTexts::East, ReportTexts::Height,
                            ReportTexts::InstrumentHeight, ReportTexts::Back, ReportTexts::SetAzimuth,
                            ReportTexts::BacksightAzimuth, ReportTexts::Omega, ReportTexts::BacksightDistance,
                            ReportTexts::RecordedDistance},
                           {},
                           {1, 2, 3, 4, 6, 7, 8, 9, 10}};
    for (const SetupPlacement& placement : result.setups)
    {
        QString name = placement.station;
        if (placement.stationCorrected)
            name += QStringLiteral(" (%1)").arg(ReportTexts::Corrected.Text());
        if (!placement.stationAt)
        {
            setupTable.rows << QStringList{name, ReportTexts::NoStation.Text()};
            continue;
        }
        QString backsight = placement.backsight;
        if (placement.backsightCorrected)
            backsight += QStringLiteral(" (%1)").arg(ReportTexts::Corrected.Text());
        setupTable.rows << QStringList{name,
                                       FixedNumber(placement.stationAt->n, 4),
                                       FixedNumber(placement.stationAt->e, 4),
                                       Optional(placement.stationAt->z, 4),
                                       FixedNumber(placement.ih, 3),
                                       backsight,
                                       placement.backsight.isEmpty() ? QString() : DmsText(placement.backsightSetAzimuth),
                                       placement.backsightAzimuth ? DmsText(*placement.backsightAzimuth) : QString(),
                                       SignedSecondsText(placement.omega),
                                       Optional(placement.backsightDistance, 4),
                                       Optional(placement.backsightRecordedHd, 4)};
    }
    document.sections << ReportSection{ReportTexts::Setups, {}, {setupTable}};

    ReportSection points{ReportTexts::Points, {}, {}};
    ReportTable pointTable{{},
                           {ReportTexts::Point, ReportTexts::Station, ReportTexts::North, ReportTexts::East,
                            ReportTexts::Height, ReportTexts::Code, ReportTexts::DeltaNmm, ReportTexts::DeltaEmm,
                            ReportTexts::DeltaZmm, QString()},
                           {},
                           {2, 3, 4, 6, 7, 8}};
    for (const ComputedPoint& point : result.points)
        pointTable.rows << QStringList{point.point,
                                       point.station,
                                       FixedNumber(point.n, 4),
                                       FixedNumber(point.e, 4),
                                       Optional(point.z, 4),
                                       point.code,
                                       Optional(point.dnMm, 1),
                                       Optional(point.deMm, 1),
                                       Optional(point.dzMm, 1),
                                       point.flagged ? ReportTexts::Flag.Text() : QString()};
    points.tables << pointTable;
    points.lines << ReportLine{ReportTexts::PointCount, QString::number(result.points.size())}
                 << ReportLine{ReportTexts::FlaggedCount, QString::number(result.flagged),
                               result.flagged ? ReportLine::Verdict::Fail : ReportLine::Verdict::Pass};
    document.sections << points;
    return document;
}

ReportDocument FacesReport(const QList<FaceCheck>& checks, double c2SpreadLimitSeconds)
{
    ReportDocument document;
    document.title = ReportTexts::FacesTitle;
    document.header << ReportLine{ReportTexts::C2Limit, FixedNumber(c2SpreadLimitSeconds, 1)}
                    << ReportLine{ReportTexts::Computed, Now()};
    for (const FaceCheck& check : checks)
    {
        ReportSection section{ReportTexts::Station.Text() + QStringLiteral(" ") + check.station, {}, {}};
        ReportTable table{{},
                          {ReportTexts::Target, ReportTexts::HaLeft, ReportTexts::HaRight, ReportTexts::MeanDirection,
                           ReportTexts::MeanZenith, ReportTexts::C2, ReportTexts::Index},
                          {},
                          {1, 2, 3, 4, 5, 6}};
        for (const FacePair& pair : check.pairs)
            table.rows << QStringList{pair.target,
                                      DmsText(pair.haLeft),
                                      DmsText(pair.haRight),
                                      DmsText(pair.ha),
                                      DmsText(pair.va),
                                      FixedNumber(pair.c2Seconds, 1),
                                      FixedNumber(pair.indexSeconds, 1)};
        section.tables << table;
        section.lines << ReportLine{ReportTexts::C2Spread,
                                    FixedNumber(check.c2SpreadSeconds, 1) + QStringLiteral("″"),
                                    check.withinLimit ? ReportLine::Verdict::Pass : ReportLine::Verdict::Fail};
        document.sections << section;
    }
    return document;
}
