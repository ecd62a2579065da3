#include "core/download/v2_parsers.h"

#include "core/download/download_texts.h"
#include "core/download/number_text.h"
#include "core/download/v2_line.h"
#include "core/download/v2_record_names.h"

#include <QHash>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace
{
const QString Empty = QStringLiteral("");

TableRows TableOf(const QString& table, const QStringList& columns)
{
    return {table, QStringList{"ID", "ATTR"} + columns, {}};
}

void AddRow(TableRows& table, int id, const QString& attr, const QStringList& values)
{
    table.rows.append(QStringList{QString::number(id), attr} + values);
}

// A table whose row takes fixed fields of the line; the last one loses its leading zeros.
struct FieldLayout
{
    QString table;
    QString attr;
    QList<QPair<QString, int>> columns; // column, field number
    QString code = {};                  // when set, the record code every stored line must carry
};

QStringList ColumnsOf(const FieldLayout& layout)
{
    QStringList columns;
    for (const auto& [column, field] : layout.columns)
        columns << column;
    return columns;
}

QStringList ValuesOf(const FieldLayout& layout, const V2Line& line)
{
    QStringList values;
    for (const auto& [column, field] : layout.columns)
        values << line.Field(field);
    values.last() = TrimLeadingZeros(values.last());
    return values;
}

ParsedJob ParseFields(const QString& text, const FieldLayout& layout)
{
    ParsedJob job;
    job.replaces = {layout.table};
    TableRows table = TableOf(layout.table, ColumnsOf(layout));
    for (const V2Line& line : SplitV2Lines(text))
    {
        if (!layout.code.isEmpty() && line.head.trimmed() != layout.code)
            continue;
        AddRow(table, ++job.records, layout.attr, ValuesOf(layout, line));
    }
    job.tables = {table};
    return job;
}

// What a measurement record's code does to its data fields (numbered from 1).
struct MeasConversion
{
    int modeField = 0;   // replaced by its mode name; 0: none
    int choiceField = 0; // "0" and "1" replaced by the two names below; 0: none
    QString choice0 = QStringLiteral("Angle");
    QString choice1 = QStringLiteral("Dist");
    std::optional<std::array<int, 4>> point; // SN, N, E, Z for a CoorEdit row
};

const MeasConversion* ConversionOf(const QString& code)
{
    static const QHash<QString, MeasConversion> conversions = [] {
        const MeasConversion shot{12, 11, "Angle", "Dist", std::array{1, 8, 9, 10}};
        return QHash<QString, MeasConversion>{
            {"A", {6, 0, "Angle", "Dist", std::array{1, 2, 3, 4}}},
            {"B", {7, 6, "Angle", "Dist", std::array{1, 3, 4, 5}}},
            {"C", shot},
            {"D", {9, 8, "Angle", "Dist", std::nullopt}},
            {"E", {5, 0, "Angle", "Dist", std::nullopt}},
            {"F", shot},
            {"G", shot},
            {"H", {6, 0, "Angle", "Dist", std::array{1, 3, 4, 5}}},
            {"I", {5, 0, "Angle", "Dist", std::nullopt}},
            {"K", {0, 5, "Station Result", "Station Adjust", std::nullopt}},
            {"U", {12, 0, "Angle", "Dist", std::nullopt}},
        };
    }();
    const auto found = conversions.constFind(code);
    return found == conversions.constEnd() ? nullptr : &found.value();
}

constexpr int MeasDataFields = 23;

// The DATA texts of a measurement record after its code's conversions. A mode field the line
// does not carry stays empty rather than naming mode 0.
QStringList MeasDataOf(const QString& code, const V2Line& line)
{
    QStringList data;
    for (int i = 1; i <= MeasDataFields; ++i)
        data << line.Field(i);
    const MeasConversion* conversion = ConversionOf(code);
    if (!conversion)
        return data;
    if (conversion->modeField && line.Carries(conversion->modeField))
        data[conversion->modeField - 1] = ModeName(data[conversion->modeField - 1]);
    if (conversion->choiceField)
    {
        QString& choice = data[conversion->choiceField - 1];
        if (choice == QLatin1String("0"))
            choice = conversion->choice0;
        else if (choice == QLatin1String("1"))
            choice = conversion->choice1;
    }
    return data;
}
} // namespace

ParsedJob ParseV2Meas(const QString& text)
{
    ParsedJob job;
    job.replaces = {QStringLiteral("520Meas"), QStringLiteral("CoorEdit")};
    QStringList dataColumns{QStringLiteral("MARK")};
    for (int i = 1; i <= MeasDataFields; ++i)
        dataColumns << QStringLiteral("DATA%1").arg(i);
    TableRows meas = TableOf(QStringLiteral("520Meas"), dataColumns);
    TableRows coor = TableOf(QStringLiteral("CoorEdit"), {"SN", "NCOOR", "ECOOR", "ZCOOR", "CODE"});
    int coorId = 0; // only records with a point count here
    for (const V2Line& line : SplitV2Lines(text))
    {
        const QString code = line.head.trimmed();
        const QStringList data = MeasDataOf(code, line);
        AddRow(meas, ++job.records, DownloadTexts::V2MeasAttr, QStringList{RecordTypeName(code, line.Field(1))} + data);

        const MeasConversion* conversion = ConversionOf(code);
        if (conversion && conversion->point)
        {
            const auto& [sn, n, e, z] = *conversion->point;
            AddRow(coor, ++coorId, DownloadTexts::V2CoorAttr, {data[sn - 1], data[n - 1], data[e - 1], data[z - 1], Empty});
        }
    }
    job.tables = {meas, coor};
    return job;
}

ParsedJob ParseV2Coor(const QString& text)
{
    static const FieldLayout layout{QStringLiteral("CoorEdit"),
                                    DownloadTexts::V2CoorRecordAttr,
                                    {{"SN", 1}, {"NCOOR", 2}, {"ECOOR", 3}, {"ZCOOR", 4}, {"CODE", 5}},
                                    QStringLiteral("C")};
    return ParseFields(text, layout);
}

ParsedJob ParseV2RoadStake(const QString& text)
{
    static const FieldLayout layout{
        QStringLiteral("520RoadStake"),
        DownloadTexts::V2RoadStakeAttr,
        {{"DIST", 1}, {"LABGRAP", 2}, {"LABX", 3}, {"LABY", 4}, {"LABZ", 5}, {"MEMO", 6}}};
    ParsedJob job = ParseFields(text, layout);
    // Each stake-out row's point, with the same ID.
    TableRows coor = TableOf(QStringLiteral("CoorEdit"), {"NCOOR", "ECOOR", "ZCOOR", "CODE", "SN"});
    int id = 0;
    for (const V2Line& line : SplitV2Lines(text))
        AddRow(coor, ++id, DownloadTexts::V2CoorAttr, {line.Field(3), line.Field(4), line.Field(5), Empty, Empty});
    job.replaces << coor.table;
    job.tables << coor;
    return job;
}

ParsedJob ParseV2XSect(const QString& text)
{
    static const FieldLayout layout{
        QStringLiteral("520BreakerSur"), DownloadTexts::V2XSectAttr, {{"DIST", 1}, {"WIDTH", 2}, {"HIGH", 3}}};
    return ParseFields(text, layout);
}

ParsedJob ParseV2SurfaceLine(const QString& text)
{
    static const FieldLayout layout{
        QStringLiteral("520SurLine"),
        DownloadTexts::V2SurfaceLineAttr,
        {{"LINETYPE", 0}, {"STARTDIST", 1}, {"CIRCUS", 2}, {"NCOOR", 3}, {"ECOOR", 4}}};
    return ParseFields(text, layout);
}
