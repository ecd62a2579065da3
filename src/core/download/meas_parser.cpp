#include "core/download/meas_parser.h"

#include "core/download/download_texts.h"
#include "core/download/meas_layout.h"
#include "core/download/number_text.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "core/store/record_set.h"
#include "core/store/transaction.h"

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

bool WriteRow(CRecordSet& table, int id, const MeasLayout::Record& record, const Values& values)
{
    table.AddNew();
    table.SetValue(QStringLiteral("ID"), QString::number(id));
    table.SetValue(QStringLiteral("ATTR"), DownloadTexts::MeasAttrPrefix + record.kindName);
    const QStringList& columns = MeasLayout::ValueColumns();
    for (qsizetype i = 0; i < columns.size(); ++i)
        table.SetValue(columns[i], values[size_t(i)]);
    return table.Update();
}

bool RebuildCoor(CProjectStore& store)
{
    // Each statement runs whatever the previous one gave: a failure is reported by the store.
    bool ok = store.ExecuteSql(QStringLiteral("Delete from CoorEdit"));
    ok = store.ExecuteSql(QStringLiteral("Insert into CoorEdit(ID,SN,ECOOR,NCOOR,ZCOOR,CODE) select "
                                         "ID,SN,ECOOR,NCOOR,ZCOOR,CODE from 740Meas where ECOOR<>'' AND NCOOR<>''")) &&
         ok;
    ok = store.ExecuteSql(QStringLiteral("Update CoorEdit set ATTR=") + SqlText(DownloadTexts::CoorAttr)) && ok;
    return ok;
}

MeasParseOutcome Parse(CProjectStore& store, const QString& text, Variant variant)
{
    MeasParseOutcome outcome;
    if (text.isEmpty())
        return outcome;

    CTransaction transaction(store);
    // Without a transaction (it could not begin, already reported) every row lands on its own.
    const bool inTransaction = transaction.IsActive();
    auto table = store.GetRecordSet(QStringLiteral("select * from 740Meas"));
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

        ++id;
        if (WriteRow(*table, id, *record, values))
            ++outcome.rows;
        else
            ++outcome.failedRows;
    }
    table.reset();

    outcome.rebuiltCoor = RebuildCoor(store);
    outcome.saved = !inTransaction || transaction.Commit();
    if (!outcome.saved)
    {
        outcome.rows = 0;
        outcome.rebuiltCoor = false;
    }
    return outcome;
}
} // namespace

MeasParseOutcome ParseMeasJob(CProjectStore& store, const QString& text)
{
    return Parse(store, text, Variant::Link);
}

MeasParseOutcome ParseMeasJobFile(CProjectStore& store, const QString& text)
{
    return Parse(store, text, Variant::File);
}
