#include "core/download/v2_parsers.h"

#include "core/download/number_text.h"
#include "core/download/v2_line.h"
#include "core/download/v2_record_names.h"
#include "core/store/row_origins.h"
#include "core/store/schema.h"

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
    return {table, QStringList{Col::ID, Col::ATTR} + columns, {}};
}

QStringList RowOf(int id, const QString& attr, const QStringList& values)
{
    return QStringList{QString::number(id), attr} + values;
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

// Records of fixed fields into one table; a stake-out record also gives its point (fields 3
// to 5) in CoorEdit with the same ID.
class CFieldsParse final : public IJobParse
{
public:
    CFieldsParse(const FieldLayout& layout, bool stakePoints) : m_layout(layout), m_stakePoints(stakePoints) {}

    ParsedJob Shape() const override
    {
        ParsedJob job;
        job.replaces = {m_layout.table};
        job.tables = {TableOf(m_layout.table, ColumnsOf(m_layout))};
        if (m_stakePoints)
        {
            job.replaces << Tbl::CoorEdit;
            job.tables << TableOf(Tbl::CoorEdit, {Col::NCOOR, Col::ECOOR, Col::ZCOOR, Col::CODE, Col::SN});
        }
        return job;
    }

    bool Take(QStringView text, const RowSink& sink) override
    {
        const std::optional<V2Line> line = ParseV2Line(text);
        if (!line || (!m_layout.code.isEmpty() && line->head.trimmed() != m_layout.code))
            return true;
        ++m_records;
        if (!sink(0, RowOf(m_records, m_layout.attr, ValuesOf(m_layout, *line))))
            return false;
        return !m_stakePoints ||
               sink(1, RowOf(m_records, RowOrigins::V2Coor, {line->Field(3), line->Field(4), line->Field(5), Empty, Empty}));
    }

    int Records() const override { return m_records; }

private:
    const FieldLayout& m_layout;
    bool m_stakePoints;
    int m_records = 0;
};

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

namespace
{
// Measurement records into 520Meas; a record with a point also gives a CoorEdit row,
// numbered among those alone.
class CV2MeasParse final : public IJobParse
{
public:
    ParsedJob Shape() const override
    {
        QStringList dataColumns{Col::MARK};
        for (int i = 1; i <= MeasDataFields; ++i)
            dataColumns << Col::Data(i);
        ParsedJob job;
        job.replaces = {Tbl::Meas520, Tbl::CoorEdit};
        job.tables = {TableOf(Tbl::Meas520, dataColumns),
                      TableOf(Tbl::CoorEdit, {Col::SN, Col::NCOOR, Col::ECOOR, Col::ZCOOR, Col::CODE})};
        return job;
    }

    bool Take(QStringView text, const RowSink& sink) override
    {
        const std::optional<V2Line> line = ParseV2Line(text);
        if (!line)
            return true;
        const QString code = line->head.trimmed();
        const QStringList data = MeasDataOf(code, *line);
        if (!sink(0, RowOf(++m_records, RowOrigins::V2Meas, QStringList{RecordTypeName(code, line->Field(1))} + data)))
            return false;
        const MeasConversion* conversion = ConversionOf(code);
        if (!conversion || !conversion->point)
            return true;
        const auto& [sn, n, e, z] = *conversion->point;
        return sink(1, RowOf(++m_points, RowOrigins::V2Coor, {data[sn - 1], data[n - 1], data[e - 1], data[z - 1], Empty}));
    }

    int Records() const override { return m_records; }

private:
    int m_records = 0;
    int m_points = 0;
};

const FieldLayout& CoorLayout()
{
    static const FieldLayout layout{Tbl::CoorEdit,
                                    RowOrigins::V2CoorRecord,
                                    {{Col::SN, 1}, {Col::NCOOR, 2}, {Col::ECOOR, 3}, {Col::ZCOOR, 4}, {Col::CODE, 5}},
                                    QStringLiteral("C")};
    return layout;
}

const FieldLayout& RoadStakeLayout()
{
    static const FieldLayout layout{
        Tbl::RoadStake520,
        RowOrigins::V2RoadStake,
        {{Col::DIST, 1}, {Col::LABGRAP, 2}, {Col::LABX, 3}, {Col::LABY, 4}, {Col::LABZ, 5}, {Col::MEMO, 6}}};
    return layout;
}

const FieldLayout& XSectLayout()
{
    static const FieldLayout layout{
        Tbl::BreakerSur520, RowOrigins::V2XSect, {{Col::DIST, 1}, {Col::WIDTH, 2}, {Col::HIGH, 3}}};
    return layout;
}

const FieldLayout& SurfaceLineLayout()
{
    static const FieldLayout layout{
        Tbl::SurLine520,
        RowOrigins::V2SurfaceLine,
        {{Col::LINETYPE, 0}, {Col::STARTDIST, 1}, {Col::CIRCUS, 2}, {Col::NCOOR, 3}, {Col::ECOOR, 4}}};
    return layout;
}

ParsedJob Whole(std::unique_ptr<IJobParse> parse, const QString& text)
{
    return ParseWholeText(*parse, text);
}
} // namespace

std::unique_ptr<IJobParse> V2MeasParse()
{
    return std::make_unique<CV2MeasParse>();
}

std::unique_ptr<IJobParse> V2CoorParse()
{
    return std::make_unique<CFieldsParse>(CoorLayout(), false);
}

std::unique_ptr<IJobParse> V2RoadStakeParse()
{
    return std::make_unique<CFieldsParse>(RoadStakeLayout(), true);
}

std::unique_ptr<IJobParse> V2XSectParse()
{
    return std::make_unique<CFieldsParse>(XSectLayout(), false);
}

std::unique_ptr<IJobParse> V2SurfaceLineParse()
{
    return std::make_unique<CFieldsParse>(SurfaceLineLayout(), false);
}

ParsedJob ParseV2Meas(const QString& text)
{
    return Whole(V2MeasParse(), text);
}

ParsedJob ParseV2Coor(const QString& text)
{
    return Whole(V2CoorParse(), text);
}

ParsedJob ParseV2RoadStake(const QString& text)
{
    return Whole(V2RoadStakeParse(), text);
}

ParsedJob ParseV2XSect(const QString& text)
{
    return Whole(V2XSectParse(), text);
}

ParsedJob ParseV2SurfaceLine(const QString& text)
{
    return Whole(V2SurfaceLineParse(), text);
}
