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

namespace
{
const QStringList& Columns()
{
    static const QStringList columns = Schema::FindTable(Tbl::CoorEdit)->ColumnNames();
    return columns;
}

QString Fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}
} // namespace

ListedPoints ReadListedPoints(CProjectStore& store)
{
    ListedPoints points;
    // The list shows CoorEdit in the order its rows were stored.
    CStatement query(store, QStringLiteral("select ") + QuotedNames(Columns()).join(QStringLiteral(", ")) +
                                Sql(" from %1 order by ", {Tbl::CoorEdit}) + EngineSql::RowId());
    while (query.Next())
    {
        ListedPoints::Row row;
        row.id = query.Integer(0);
        QString* const texts[] = {&row.attr, &row.name, &row.north, &row.east, &row.height, &row.code};
        for (int i = 0; i < 6; ++i)
            *texts[i] = QString::fromUtf8(query.Utf8(i + 1));
        const std::optional<double> north = CoordinateValue(row.north);
        const std::optional<double> east = CoordinateValue(row.east);
        if (north && east)
        {
            const std::optional<double> height = CoordinateValue(row.height);
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
            row.north = Fixed(points.north[next], form.decimals);
            row.east = Fixed(points.east[next], form.decimals);
            if (form.heights && points.hasHeight[next])
                row.height = Fixed(points.height[next], 3);
            ++next;
        }
        if (!insert.Add(row.id, {row.attr, row.name, row.north, row.east, row.height, row.code}))
            return {Status::DatabaseError};
    }
    return insert.Finish() && transaction.Commit() ? Outcome() : Outcome(Status::DatabaseError);
}

Outcome PointsTransformed(const ListedPoints& points)
{
    return Outcome::DoneSaying(points.Skipped() > 0 ? GeodesyTexts::SkippedPoints(points.Skipped()) : QString());
}
