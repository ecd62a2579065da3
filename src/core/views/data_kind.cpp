#include "core/views/data_kind.h"

#include "core/store/engine_sql.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"

#include <QList>

namespace
{
struct KindEntry
{
    DataKind kind;
    const char* word;
    SchemaName table;
};

const QList<KindEntry>& Entries()
{
    static const QList<KindEntry> entries = {
        {DataKind::Coor, "coor", Tbl::CoorEdit},
        {DataKind::Code, "code", Tbl::CodeEdit},
        {DataKind::Meas, "meas", Tbl::Meas740},
        {DataKind::V2Meas, "v2meas", Tbl::Meas520},
        {DataKind::RoadStake, "roadstake", Tbl::RoadStake520},
        {DataKind::XSect, "xsect", Tbl::BreakerSur520},
        {DataKind::Alignment, "alignment", Tbl::SurLine520},
        {DataKind::Calc, "calc", Tbl::CalcCoor},
        {DataKind::Adjusted, "adjusted", Tbl::AdjCoor},
        {DataKind::Traverse, "traverse", Tbl::TravCoor},
    };
    return entries;
}
} // namespace

QString TableOf(DataKind kind)
{
    for (const KindEntry& entry : Entries())
        if (entry.kind == kind)
            return entry.table;
    return {};
}

QString FillStatementOf(DataKind kind)
{
    // The alignment is a chain of elements: it reads in the order of its start chainages.
    if (kind == DataKind::Alignment)
        return Sql("select * from %1 order by %2 ASC", {Tbl::SurLine520, Col::STARTDIST});
    const QString table = TableOf(kind);
    return table.isEmpty() ? QString() : Sql("select * from %1", {table});
}

QString ListOrderOf(DataKind kind)
{
    // The alignment is a chain of elements: it reads in the order of its start chainages
    // (elements at the same chainage in the order they were stored).
    return kind == DataKind::Alignment ? Sql("%1 ASC, ", {Col::STARTDIST}) + EngineSql::RowId() : QString();
}

std::optional<DataKind> DataKindFromName(const QString& name)
{
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    for (const KindEntry& entry : Entries())
    {
        if (isNumber ? NumberOf(entry.kind) == number : name == QLatin1String(entry.word))
            return entry.kind;
    }
    return std::nullopt;
}
