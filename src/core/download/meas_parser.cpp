#include "core/download/meas_parser.h"

#include "core/download/download_texts.h"
#include "core/download/meas_layout.h"
#include "core/download/number_text.h"

#include <array>

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
    QStringList row{QString::number(id), DownloadTexts::MeasAttrPrefix + record.kindName};
    for (const QString& value : values)
        row << value;
    return row;
}

// A row with both plane coordinates is a point of the job.
void AddPoint(TableRows& coor, const QStringList& measRow)
{
    const auto at = [&](int column) { return measRow[2 + column]; };
    const QString& east = at(MeasLayout::EastColumn());
    const QString& north = at(MeasLayout::NorthColumn());
    if (east.isEmpty() || north.isEmpty())
        return;
    coor.rows.append({measRow[0], DownloadTexts::CoorAttr, at(MeasLayout::SnColumn()), north, east,
                      at(MeasLayout::HeightColumn()), at(MeasLayout::CodeColumn())});
}

ParsedJob Parse(const QString& text, Variant variant)
{
    ParsedJob job;
    if (text.isEmpty())
        return job;
    job.replaces = {QStringLiteral("740Meas"), QStringLiteral("CoorEdit")};
    TableRows meas{QStringLiteral("740Meas"), QStringList{"ID", "ATTR"} + MeasLayout::ValueColumns(), {}};
    TableRows coor{QStringLiteral("CoorEdit"), {"ID", "ATTR", "SN", "NCOOR", "ECOOR", "ZCOOR", "CODE"}, {}};
    int id = 0;
    QString ih = QStringLiteral("");
    const QString lineEnd = QStringLiteral("\r\n");
    for (qsizetype start = 0;;)
    {
        const qsizetype end = text.indexOf(lineEnd, start);
        if (end < 0)
            break;
        const QStringView line = QStringView(text).mid(start, end - start);
        start = end + lineEnd.size();

        // A line without a comma has no code; it is no record.
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        const MeasLayout::Record* record = MeasLayout::Find(variant, line.left(comma).toString());
        if (!record)
            continue;

        Values values = ValuesOf(*record, FieldsOf(*record, variant, line.mid(comma + 1)));
        // A backsight by angle is taken on the station just set up: it keeps that height.
        auto& rowIh = values[size_t(MeasLayout::IhColumn())];
        if (record->code == QLatin1String("K"))
            rowIh = ih;
        ih = rowIh;

        meas.rows.append(RowOf(++id, *record, values));
        AddPoint(coor, meas.rows.last());
    }
    job.records = id;
    job.tables = {meas, coor};
    return job;
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
