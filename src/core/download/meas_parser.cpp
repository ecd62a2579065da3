#include "core/download/meas_parser.h"

#include "core/download/meas_layout.h"
#include "core/download/number_text.h"
#include "core/store/row_origins.h"
#include "core/store/schema.h"

#include <array>
#include <optional>

namespace
{
using MeasLayout::Variant;
using Values = std::array<QString, 13>;

QString WithoutTrailingSpace(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
}

// The texts of a line's fields after its code. A link line's last field runs to the end of
// the line, commas included; a job file ends every field with a comma, so text after the
// last comma is no field. A line with fewer fields leaves the rest missing.
QStringList FieldsOf(const MeasLayout::Record& record, Variant variant, QStringView rest)
{
    if (record.wholeRest)
        return {rest.toString()};
    QStringList parts = rest.toString().split(QLatin1Char(','));
    if (variant == Variant::File)
    {
        parts.removeLast();
        return parts.mid(0, record.fields.size());
    }
    const qsizetype last = record.fields.size() - 1;
    if (parts.size() > record.fields.size())
        parts = parts.mid(0, last) << parts.mid(last).join(QLatin1Char(','));
    return parts;
}

Values ValuesOf(const MeasLayout::Record& record, const QStringList& fields)
{
    Values values;
    values.fill(QStringLiteral(""));
    for (qsizetype i = 0; i < fields.size(); ++i)
    {
        const MeasLayout::Field& field = record.fields[i];
        QString text = fields[i];
        if (field.angle)
            text = HalfSecondsToDegrees(text);
        if (field.trimZeros)
            text = TrimLeadingZeros(text);
        values[size_t(field.column)] = text;
    }
    values[size_t(MeasLayout::SnColumn())] = WithoutTrailingSpace(values[size_t(MeasLayout::SnColumn())]);
    return values;
}

QStringList RowOf(int id, const MeasLayout::Record& record, const Values& values)
{
    QStringList row{QString::number(id), RowOrigins::MeasOf(record.kindName)};
    for (const QString& value : values)
        row << value;
    return row;
}

// A row with both plane coordinates is a point of the job.
std::optional<QStringList> PointOf(const QStringList& measRow)
{
    const auto at = [&](int column) { return measRow[2 + column]; };
    const QString& east = at(MeasLayout::EastColumn());
    const QString& north = at(MeasLayout::NorthColumn());
    if (east.isEmpty() || north.isEmpty())
        return std::nullopt;
    return QStringList{measRow[0], RowOrigins::Coor, at(MeasLayout::SnColumn()), north, east,
                       at(MeasLayout::HeightColumn()), at(MeasLayout::CodeColumn())};
}

class CMeasJobParse final : public IJobParse
{
public:
    explicit CMeasJobParse(Variant variant) : m_variant(variant) {}

    ParsedJob Shape() const override
    {
        ParsedJob job;
        job.replaces = {Tbl::Meas740, Tbl::CoorEdit};
        job.tables = {{Tbl::Meas740, QStringList{Col::ID, Col::ATTR} + MeasLayout::ValueColumns(), {}},
                      {Tbl::CoorEdit, {Col::ID, Col::ATTR, Col::SN, Col::NCOOR, Col::ECOOR, Col::ZCOOR, Col::CODE}, {}}};
        return job;
    }

    bool Take(QStringView line, const RowSink& sink) override
    {
        // A line without a comma has no code; it is no record.
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        if (comma < 0)
            return true;
        const MeasLayout::Record* record = MeasLayout::Find(m_variant, line.left(comma).toString());
        if (!record)
            return true;

        Values values = ValuesOf(*record, FieldsOf(*record, m_variant, line.mid(comma + 1)));
        // A backsight by angle is taken on the station just set up: it keeps that height.
        auto& rowIh = values[size_t(MeasLayout::IhColumn())];
        if (record->code == QLatin1String("K"))
            rowIh = m_ih;
        m_ih = rowIh;

        const QStringList row = RowOf(++m_records, *record, values);
        if (!sink(0, row))
            return false;
        const std::optional<QStringList> point = PointOf(row);
        return !point || sink(1, *point);
    }

    int Records() const override { return m_records; }

private:
    Variant m_variant;
    int m_records = 0;
    QString m_ih = QStringLiteral("");
};

ParsedJob Parse(const QString& text, Variant variant)
{
    if (text.isEmpty())
        return {};
    CMeasJobParse parse(variant);
    return ParseWholeText(parse, text);
}
} // namespace

ParsedJob ParseMeasJob(const QString& text)
{
    return Parse(text, Variant::Link);
}

ParsedJob ParseMeasJobFile(const QString& text)
{
    return Parse(text, Variant::File);
}

std::unique_ptr<IJobParse> MeasJobFileParse()
{
    return std::make_unique<CMeasJobParse>(Variant::File);
}
