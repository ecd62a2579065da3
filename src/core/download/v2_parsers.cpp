#include "core/download/v2_parsers.h"

#include "core/download/download_texts.h"
#include "core/download/number_text.h"
#include "core/download/v2_line.h"
#include "core/download/v2_record_names.h"
#include "core/store/project_store.h"
#include "core/store/record_set.h"
#include "core/store/transaction.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace
{
using Values = QList<QPair<QString, QString>>; // column, text, in the order a row sets them

enum class LineResult { Skipped, Stored, Failed };

const QString Empty = QStringLiteral("");

bool WriteRow(CRecordSet& table, int id, const QString& attr, const Values& values)
{
    table.AddNew();
    table.SetValue(QStringLiteral("ID"), QString::number(id));
    table.SetValue(QStringLiteral("ATTR"), attr);
    for (const auto& [column, text] : values)
        table.SetValue(column, text);
    return table.Update();
}

std::unique_ptr<CRecordSet> OpenTable(CProjectStore& store, const QString& table)
{
    return store.GetRecordSet(QStringLiteral("select * from ") + table);
}

// Runs one parse in one transaction, handing every record line to `storeLine`.
V2ParseOutcome Parse(CProjectStore& store, const QString& text,
                     const std::function<LineResult(const V2Line&)>& storeLine)
{
    V2ParseOutcome outcome;
    if (text.isEmpty())
        return outcome;
    CTransaction transaction(store);
    // Without a transaction (it could not begin, already reported) every row lands on its own.
    const bool inTransaction = transaction.IsActive();
    for (const V2Line& line : SplitV2Lines(text))
    {
        switch (storeLine(line))
        {
        case LineResult::Stored: ++outcome.rows; break;
        case LineResult::Failed: ++outcome.failedRows; break;
        case LineResult::Skipped: break;
        }
    }
    outcome.saved = !inTransaction || transaction.Commit();
    if (!outcome.saved)
        outcome.rows = 0;
    return outcome;
}

// A table whose row takes fixed fields of the line; the last one loses its leading zeros.
struct FieldLayout
{
    QString table;
    QString attr;
    QList<QPair<QString, int>> columns; // column, field number
    QString code = {};                  // when set, the record code every stored line must carry
};

Values ValuesOf(const FieldLayout& layout, const V2Line& line)
{
    Values values;
    for (const auto& [column, field] : layout.columns)
        values.append({column, line.Field(field)});
    values.last().second = TrimLeadingZeros(values.last().second);
    return values;
}

V2ParseOutcome ParseFields(CProjectStore& store, const QString& text, const FieldLayout& layout)
{
    auto table = OpenTable(store, layout.table);
    int id = 0;
    return Parse(store, text, [&](const V2Line& line) {
        if (!layout.code.isEmpty() && line.head.trimmed() != layout.code)
            return LineResult::Skipped;
        return WriteRow(*table, ++id, layout.attr, ValuesOf(layout, line)) ? LineResult::Stored : LineResult::Failed;
    });
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

V2ParseOutcome ParseV2Meas(CProjectStore& store, const QString& text)
{
    auto meas = OpenTable(store, QStringLiteral("520Meas"));
    auto coor = OpenTable(store, QStringLiteral("CoorEdit"));
    int id = 0;
    int coorId = 0; // only records with a point count here
    return Parse(store, text, [&](const V2Line& line) {
        const QString code = line.head.trimmed();
        const QStringList data = MeasDataOf(code, line);
        Values values{{QStringLiteral("MARK"), RecordTypeName(code, line.Field(1))}};
        for (int i = 0; i < MeasDataFields; ++i)
            values.append({QStringLiteral("DATA%1").arg(i + 1), data[i]});
        if (!WriteRow(*meas, ++id, DownloadTexts::V2MeasAttr, values))
            return LineResult::Failed;

        const MeasConversion* conversion = ConversionOf(code);
        if (conversion && conversion->point)
        {
            const auto& [sn, n, e, z] = *conversion->point;
            const Values point{{QStringLiteral("SN"), data[sn - 1]},
                               {QStringLiteral("NCOOR"), data[n - 1]},
                               {QStringLiteral("ECOOR"), data[e - 1]},
                               {QStringLiteral("ZCOOR"), data[z - 1]},
                               {QStringLiteral("CODE"), Empty}};
            if (!WriteRow(*coor, ++coorId, DownloadTexts::V2CoorAttr, point))
                return LineResult::Failed;
        }
        return LineResult::Stored;
    });
}

V2ParseOutcome ParseV2Coor(CProjectStore& store, const QString& text)
{
    static const FieldLayout layout{QStringLiteral("CoorEdit"),
                                    DownloadTexts::V2CoorRecordAttr,
                                    {{"SN", 1}, {"NCOOR", 2}, {"ECOOR", 3}, {"ZCOOR", 4}, {"CODE", 5}},
                                    QStringLiteral("C")};
    return ParseFields(store, text, layout);
}

V2ParseOutcome ParseV2RoadStake(CProjectStore& store, const QString& text)
{
    static const FieldLayout layout{
        QStringLiteral("520RoadStake"),
        DownloadTexts::V2RoadStakeAttr,
        {{"DIST", 1}, {"LABGRAP", 2}, {"LABX", 3}, {"LABY", 4}, {"LABZ", 5}, {"MEMO", 6}}};
    auto stake = OpenTable(store, layout.table);
    auto coor = OpenTable(store, QStringLiteral("CoorEdit"));
    int id = 0;
    return Parse(store, text, [&](const V2Line& line) {
        ++id;
        if (!WriteRow(*stake, id, layout.attr, ValuesOf(layout, line)))
            return LineResult::Failed;
        const Values point{{QStringLiteral("NCOOR"), line.Field(3)},
                           {QStringLiteral("ECOOR"), line.Field(4)},
                           {QStringLiteral("ZCOOR"), line.Field(5)},
                           {QStringLiteral("CODE"), Empty},
                           {QStringLiteral("SN"), Empty}};
        return WriteRow(*coor, id, DownloadTexts::V2CoorAttr, point) ? LineResult::Stored : LineResult::Failed;
    });
}

V2ParseOutcome ParseV2XSect(CProjectStore& store, const QString& text)
{
    static const FieldLayout layout{
        QStringLiteral("520BreakerSur"), DownloadTexts::V2XSectAttr, {{"DIST", 1}, {"WIDTH", 2}, {"HIGH", 3}}};
    return ParseFields(store, text, layout);
}

V2ParseOutcome ParseV2SurfaceLine(CProjectStore& store, const QString& text)
{
    static const FieldLayout layout{
        QStringLiteral("520SurLine"),
        DownloadTexts::V2SurfaceLineAttr,
        {{"LINETYPE", 0}, {"STARTDIST", 1}, {"CIRCUS", 2}, {"NCOOR", 3}, {"ECOOR", 4}}};
    return ParseFields(store, text, layout);
}
