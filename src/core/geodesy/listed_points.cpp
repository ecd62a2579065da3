#include "core/geodesy/listed_points.h"

#include "core/geodesy/geodesy_texts.h"
#include "core/plan/plan_data.h"
#include "core/store/bulk_insert.h"
#include "core/store/discarded_copy.h"
#include "core/store/engine_sql.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"

#include <algorithm>
#include <charconv>

namespace
{
const QStringList& Columns()
{
    static const QStringList columns = Schema::FindTable(Tbl::CoorEdit)->ColumnNames();
    return columns;
}

} // namespace

QByteArray FixedText(double value, int decimals)
{
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    // Only a value beyond 10^50 overflows the buffer: no coordinate.
    if (error != std::errc())
        return QByteArray::number(value, 'f', decimals);
    QByteArray fixed(text, end - text);
    // A value that rounds to nothing has no sign ("0.000", not "-0.000").
    if (fixed.startsWith('-') && fixed.count('0') == fixed.size() - (decimals > 0 ? 2 : 1))
        fixed.remove(0, 1);
    return fixed;
}

ListedPoints ReadListedPoints(CProjectStore& store)
{
    ListedPoints points;
    // Room for every row at once: a million rows grown by doubling copy half a gigabyte.
    if (CStatement count(store, Sql("select count(*) from %1", {Tbl::CoorEdit})); count.Next())
    {
        const auto rows = size_t(std::max<qint64>(0, count.Integer(0)));
        points.rows.reserve(rows);
        for (std::vector<double>* values : {&points.north, &points.east, &points.height})
            values->reserve(rows);
        points.placed.reserve(rows);
        points.hasHeight.reserve(rows);
    }
    QByteArray attrBefore, codeBefore;
    // The list shows CoorEdit in the order its rows were stored.
    CStatement query(store, QStringLiteral("select ") + QuotedNames(Columns()).join(QStringLiteral(", ")) +
                                Sql(" from %1 order by ", {Tbl::CoorEdit}) + EngineSql::RowId());
    while (query.Next())
    {
        ListedPoints::Row row;
        row.id = query.Integer(0);
        // Most rows share their kind and code with the row before: they share its bytes too,
        // which spares a million rows two million allocations.
        QByteArray* const texts[] = {&row.attr, &row.name, &row.north, &row.east, &row.height, &row.code};
        QByteArray* const before[] = {&attrBefore, nullptr, nullptr, nullptr, nullptr, &codeBefore};
        for (int i = 0; i < 6; ++i)
        {
            const QByteArrayView stored = query.Utf8(i + 1);
            if (before[i] && *before[i] == stored)
                *texts[i] = *before[i];
            else if (before[i])
                *texts[i] = *before[i] = stored.toByteArray();
            else
                *texts[i] = stored.toByteArray();
        }
        const std::optional<double> north = StoredCoordinateValue(row.north);
        const std::optional<double> east = StoredCoordinateValue(row.east);
        if (north && east)
        {
            const std::optional<double> height = StoredCoordinateValue(row.height);
            points.placed.push_back(points.rows.size());
            points.north.push_back(*north);
            points.east.push_back(*east);
            points.height.push_back(height.value_or(0.0));
            points.hasHeight.push_back(height.has_value());
        }
        points.rows.push_back(std::move(row));
    }
    points.readFailed = !query.IsValid() || query.Failed();
    return points;
}

Outcome ReplaceListedPoints(CProjectStore& store, const ListedPoints& points, const StoredForm& form)
{
    if (store.RefuseWrite())
        return {Status::DatabaseError};
    CTransaction transaction(store);
    // The list before the transform is kept in discarded/ like any list a command replaces.
    if (!transaction.IsActive() || !DiscardRows(store, Tbl::CoorEdit))
        return {Status::DatabaseError};
    CBulkInsert insert(store, Tbl::CoorEdit, Columns());
    size_t next = 0; // the next placed row
    for (size_t i = 0; i < points.rows.size(); ++i)
    {
        ListedPoints::Row row = points.rows[i];
        if (next < points.placed.size() && points.placed[next] == i)
        {
            row.north = FixedText(points.north[next], form.decimals);
            row.east = FixedText(points.east[next], form.decimals);
            if (form.heights && points.hasHeight[next])
                row.height = FixedText(points.height[next], 3);
            ++next;
        }
        if (!insert.Add(row.id, {row.attr, row.name, row.north, row.east, row.height, row.code}))
            return {Status::DatabaseError};
    }
    return insert.Finish() && transaction.Commit() ? Outcome() : Outcome(Status::DatabaseError);
}

Outcome PointsTransformed(const ListedPoints& points)
{
    return Outcome::DoneSaying(points.Skipped() > 0 ? GeodesyTexts::SkippedPoints.Counted(points.Skipped()) : QString());
}
