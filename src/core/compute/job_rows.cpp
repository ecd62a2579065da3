#include "core/compute/job_rows.h"

#include "core/compute/angles.h"
#include "core/store/row_origins.h"

#include <utility>

namespace
{
// Value columns of 740Meas, after ID and ATTR.
enum MeasColumn { SN, NCOOR, ECOOR, ZCOOR, CODE, PH, PA, HD, IH, HA, VA, SD };

const QString& At(const QStringList& values, int position)
{
    static const QString none;
    return position < values.size() ? values.at(position) : none;
}

std::optional<double> Degrees(const QString& text)
{
    const auto value = NumberIn(text);
    return value ? std::optional(Angles::FromDegrees(*value)) : std::nullopt;
}

std::optional<double> HalfSeconds(const QString& text)
{
    const auto value = NumberIn(text);
    return value ? std::optional(Angles::FromSeconds(*value / 2)) : std::nullopt;
}

JobRow::Kind MeasKind(const QString& attr)
{
    const QString& prefix = RowOrigins::MeasPrefix;
    const QString trimmed = attr.trimmed();
    if (!trimmed.startsWith(prefix))
        return JobRow::Kind::Other;
    static const std::pair<QStringView, JobRow::Kind> kinds[] = {
        {u"Station", JobRow::Kind::Station},
        {u"Backsight-Coor", JobRow::Kind::BacksightCoor},
        {u"Backsight Angle", JobRow::Kind::BacksightAngle},
        {u"Angle", JobRow::Kind::Angle},
        {u"Dist", JobRow::Kind::Dist},
        {u"Measure-Coor", JobRow::Kind::MeasureCoor},
    };
    const QStringView kind = QStringView(trimmed).mid(prefix.size());
    for (const auto& [name, rowKind] : kinds)
        if (kind == name)
            return rowKind;
    return JobRow::Kind::Other;
}
} // namespace

std::optional<double> NumberIn(const QString& text)
{
    bool ok = false;
    const double value = QStringView(text).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

JobRow JobRowFromMeas(qint64 id, const QString& attr, const QStringList& values)
{
    JobRow row;
    row.id = id;
    row.kind = MeasKind(attr);
    row.name = At(values, SN).trimmed();
    row.code = At(values, CODE).trimmed();
    row.n = NumberIn(At(values, NCOOR));
    row.e = NumberIn(At(values, ECOOR));
    row.z = NumberIn(At(values, ZCOOR));
    row.ph = NumberIn(At(values, PH));
    row.pa = Degrees(At(values, PA));
    row.hd = NumberIn(At(values, HD));
    row.ih = NumberIn(At(values, IH));
    row.ha = Degrees(At(values, HA));
    row.va = Degrees(At(values, VA));
    row.sd = NumberIn(At(values, SD));
    return row;
}

JobRow JobRowFromV2Meas(qint64 id, const QString& mark, const QStringList& data)
{
    // DATA1 is data.at(0).
    const auto field = [&data](int number) -> const QString& { return At(data, number - 1); };
    JobRow row;
    row.id = id;
    row.name = field(1).trimmed();
    const QString kind = mark.trimmed();
    if (kind == u"Station")
    {
        row.kind = JobRow::Kind::Station;
        row.n = NumberIn(field(2));
        row.e = NumberIn(field(3));
        row.z = NumberIn(field(4));
        row.ih = NumberIn(field(5));
    }
    else if (kind == u"Refer Target Point")
    {
        row.kind = JobRow::Kind::BacksightCoor;
        row.pa = HalfSeconds(field(2));
        row.n = NumberIn(field(3));
        row.e = NumberIn(field(4));
        row.z = NumberIn(field(5));
        row.ph = NumberIn(field(7));
    }
    else if (kind == u"Angle,Dist Measurement")
    {
        const bool withDistance = field(11).trimmed() != u"Angle";
        row.kind = withDistance ? JobRow::Kind::Dist : JobRow::Kind::Angle;
        row.code = field(2).trimmed();
        row.ha = HalfSeconds(field(3));
        row.va = HalfSeconds(field(4));
        if (withDistance)
            row.sd = NumberIn(field(5));
        row.ph = NumberIn(field(6));
        row.n = NumberIn(field(8));
        row.e = NumberIn(field(9));
        row.z = NumberIn(field(10));
    }
    return row;
}
