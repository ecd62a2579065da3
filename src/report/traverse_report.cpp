#include "report/computation_reports.h"

#include "core/compute/angles.h"
#include "core/results/fixed_number.h"
#include "report/angle_text.h"
#include "report/report_texts.h"

#include <QDateTime>
#include <QHash>

#include <cmath>

namespace
{
QString Metres(double value)
{
    return FixedNumber(value, 4);
}

QString Millimetres(double metres)
{
    return FixedNumber(metres * 1000, 1);
}

QString ShapeText(TraverseShape shape)
{
    switch (shape)
    {
    case TraverseShape::Attached: return ReportTexts::Attached;
    case TraverseShape::Closed: return ReportTexts::Closed;
    case TraverseShape::Open: return ReportTexts::Open;
    }
    return {};
}

ReportLine::Verdict VerdictOf(bool met)
{
    return met ? ReportLine::Verdict::Pass : ReportLine::Verdict::Fail;
}
} // namespace

ReportDocument TraverseReport(const TraverseResult& result, const QList<KnownPoint>& known,
                              const std::optional<GradeCheck>& check, const TraverseGrade* grade)
{
    ReportDocument document;
    document.title = ReportTexts::TraverseTitle;
    document.header << ReportLine{ReportTexts::Shape, ShapeText(result.shape)}
                    << ReportLine{ReportTexts::Route, result.route.join(QStringLiteral(" → "))};
    if (grade)
        document.header << ReportLine{ReportTexts::Grade, grade->name};
    document.header << ReportLine{ReportTexts::Computed,
                                  QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))};

    // The known points the route names.
    QHash<QString, const KnownPoint*> byName;
    for (const KnownPoint& point : known)
        byName.insert(point.name, &point);
    ReportSection inputs{ReportTexts::KnownPoints, {}, {}};
    ReportTable knownTable{{}, {ReportTexts::Point, ReportTexts::North, ReportTexts::East}, {}, {1, 2}};
    QStringList listed;
    for (const QString& name : result.route)
    {
        const KnownPoint* point = byName.value(name);
        if (!point || listed.contains(name))
            continue;
        listed << name;
        knownTable.rows << QStringList{name, Metres(point->coordinates.n), Metres(point->coordinates.e)};
    }
    inputs.tables << knownTable;
    inputs.lines << ReportLine{ReportTexts::StartAzimuth, DmsText(result.startAzimuth)};
    if (result.endAzimuth)
        inputs.lines << ReportLine{ReportTexts::EndAzimuth, DmsText(*result.endAzimuth)};
    document.sections << inputs;

    ReportTable angleTable{{},
                           {ReportTexts::Station, ReportTexts::Back, ReportTexts::Ahead, ReportTexts::Faces,
                            ReportTexts::Observed, ReportTexts::Correction, ReportTexts::Adjusted},
                           {},
                           {3, 4, 5, 6}};
    for (const TraverseAngle& angle : result.angles)
        angleTable.rows << QStringList{angle.at,
                                       angle.back,
                                       angle.ahead,
                                       QString::number(angle.faces),
                                       DmsText(angle.observed),
                                       SignedSecondsText(angle.correction),
                                       DmsText(angle.adjusted)};
    document.sections << ReportSection{ReportTexts::Angles, {}, {angleTable}};

    ReportTable legTable{{},
                         {ReportTexts::From, ReportTexts::To, ReportTexts::Forward, ReportTexts::Backward,
                          ReportTexts::Distance, ReportTexts::Azimuth, ReportTexts::DeltaN, ReportTexts::DeltaE,
                          ReportTexts::CorrN, ReportTexts::CorrE},
                         {},
                         {2, 3, 4, 5, 6, 7, 8, 9}};
    const auto optionalMetres = [](const std::optional<double>& value) { return value ? Metres(*value) : QString(); };
    for (const TraverseLeg& leg : result.legs)
        legTable.rows << QStringList{leg.from,
                                     leg.to,
                                     optionalMetres(leg.forwardHd),
                                     optionalMetres(leg.backHd),
                                     Metres(leg.distance),
                                     DmsText(leg.azimuth),
                                     Metres(leg.dn),
                                     Metres(leg.de),
                                     Millimetres(leg.vn),
                                     Millimetres(leg.ve)};
    document.sections << ReportSection{ReportTexts::Legs, {}, {legTable}};

    ReportTable pointTable{{}, {ReportTexts::Point, ReportTexts::North, ReportTexts::East, QString()}, {}, {1, 2}};
    for (const TraversePoint& point : result.points)
        pointTable.rows << QStringList{point.name, Metres(point.n), Metres(point.e),
                                       point.known ? ReportTexts::Known.Text() : QString()};
    document.sections << ReportSection{ReportTexts::Results, {}, {pointTable}};

    ReportSection closing{ReportTexts::Misclosures, {}, {}};
    closing.lines << ReportLine{ReportTexts::Length, Metres(result.length) + QStringLiteral(" m")};
    if (!result.angularMisclosure)
    {
        closing.lines << ReportLine{ReportTexts::Open, ReportTexts::Unchecked};
    }
    else
    {
        closing.lines << ReportLine{ReportTexts::AngleCount, QString::number(result.angleCount)};
        if (result.endAzimuthCarried)
            closing.lines << ReportLine{ReportTexts::EndAzimuth, DmsText(*result.endAzimuthCarried)};
        ReportLine angular{ReportTexts::AngularMisclosure, SignedSecondsText(*result.angularMisclosure)};
        if (check)
        {
            angular.value += QStringLiteral("   %1 ±%2″").arg(ReportTexts::Limit.Text(), FixedNumber(check->angleLimitSeconds, 1));
            angular.verdict = VerdictOf(check->angleMet);
        }
        closing.lines << angular;
        closing.lines << ReportLine{ReportTexts::CoordinateMisclosure,
                                    QStringLiteral("fx = %1 mm   fy = %2 mm   f = %3 mm")
                                        .arg(Millimetres(result.fx), Millimetres(result.fy), Millimetres(result.f))};
        ReportLine relative{ReportTexts::Relative,
                            result.relativeDenominator
                                ? QStringLiteral("1/%1").arg(qint64(std::floor(*result.relativeDenominator)))
                                : QStringLiteral("0")};
        if (check && grade)
        {
            relative.value += QStringLiteral("   %1 1/%2").arg(ReportTexts::Limit.Text()).arg(qint64(grade->relativeDenominator));
            relative.verdict = VerdictOf(check->relativeMet);
        }
        closing.lines << relative;
        if (check)
            closing.lines << ReportLine{ReportTexts::GradeMet, check->grade, VerdictOf(check->Passed())};
    }
    // A checker reads the verdict first: the misclosures stand before the working that led to them.
    document.sections.prepend(closing);
    return document;
}
