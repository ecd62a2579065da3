#include "core/edit/table_rows.h"

#include "core/store/engine_sql.h"
#include "core/store/hand_edits.h"
#include "core/store/project_store.h"
#include "core/store/row_origins.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"

namespace
{
const Outcome DatabaseError{Status::DatabaseError, {}};

std::optional<bool> NameExists(CProjectStore& store, const QString& table, const QString& name)
{
    const std::optional<QVariant> count = QueryValue(store, Sql("select count(%2) from %1 where %2=?", {table, Col::SN}), {name});
    if (!count)
        return std::nullopt;
    return count->toLongLong() != 0;
}

std::optional<int> NextId(CProjectStore& store, const QString& table)
{
    const std::optional<QVariant> count = QueryValue(store, Sql("select count(*) from %1", {table}));
    if (!count)
        return std::nullopt;
    return count->toInt() + 1;
}

bool Insert(CProjectStore& store, const QString& table, const TableRows::Columns& columns)
{
    QStringList names;
    QVariantList values;
    for (const auto& column : columns)
    {
        names << column.first;
        values << column.second;
    }
    return RunStatement(store, InsertInto(table, names), values);
}
} // namespace

namespace TableRows
{
Outcome AddManualRow(CProjectStore& store, const QString& table, const std::optional<QString>& uniqueName,
                         const Columns& columns)
{
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return DatabaseError;
    if (uniqueName)
    {
        const std::optional<bool> exists = NameExists(store, table, *uniqueName);
        if (!exists)
            return DatabaseError;
        if (*exists)
            return {Status::NameExists, {}};
    }
    const std::optional<int> id = NextId(store, table);
    if (!id)
        return DatabaseError;
    const Columns row = Columns{{Col::ID, QString::asprintf("%d", *id)}, {Col::ATTR, RowOrigins::ManualInput}}
                        + columns;
    if (!Insert(store, table, row) || !HandEdits::MarkEdited(store, table) || !transaction.Commit())
        return DatabaseError;
    return {};
}

Outcome RunAll(CProjectStore& store, const QList<Statement>& statements)
{
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return DatabaseError;
    for (const Statement& statement : statements)
    {
        if (!RunStatement(store, statement.sql, statement.values))
            return DatabaseError;
    }
    if (!transaction.Commit())
        return DatabaseError;
    return {};
}

bool Renumber(CProjectStore& store, const QString& table)
{
    // The rows are numbered 1, 2, 3 … in the order they were stored (by rowid). Rowids run
    // without gaps except where rows were deleted, so a row's number is its rowid less the
    // rows missing before it: one read of the rowids finds the runs, and one update sets
    // every number from its rowid, writing only the rows whose number changes. With many runs
    // a numbering window does the same.
    constexpr qsizetype MaxRuns = 32;
    QList<QPair<qint64, qint64>> runs; // first rowid of a run, what its rowids exceed their numbers by
    {
        const QString stored = EngineSql::RowId();
        CStatement rowids(store, QStringLiteral("select %1 from %2 order by %1").arg(stored, QuotedName(table)));
        qint64 number = 0;
        qint64 previous = 0;
        while (runs.size() <= MaxRuns && rowids.Next())
        {
            const qint64 rowid = rowids.Integer(0);
            ++number;
            if (runs.isEmpty() || rowid != previous + 1)
                runs.append({rowid, rowid - number});
            previous = rowid;
        }
        if (rowids.Failed())
            return false;
    }
    if (runs.isEmpty())
        return true;
    if (runs.size() > MaxRuns)
        return RunStatement(store, EngineSql::NumberAllRows(table));
    // Each run's amount applies from its first rowid on, up to the next run's.
    QVariantList amounts;
    for (qsizetype i = 0; i + 1 < runs.size(); ++i)
        amounts << runs[i + 1].first << runs[i].second;
    amounts << runs.last().second;
    return RunStatement(store, EngineSql::NumberRows(table, int(runs.size())), amounts + amounts);
}

std::optional<bool> Holds(CProjectStore& store, const QString& table, const Statement& where)
{
    const std::optional<QVariant> found =
        QueryValue(store, Sql("select 1 from %1", {table}) + where.sql + QStringLiteral(" limit 1"), where.values);
    if (!found)
        return std::nullopt;
    return found->isValid();
}

Outcome ChangeRecord(CProjectStore& store, const QString& table, const Statement& where, const QString& key,
                     const QList<Statement>& statements)
{
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return DatabaseError;
    const std::optional<bool> held = Holds(store, table, where);
    if (!held)
        return DatabaseError;
    if (!*held)
        return {Status::NoSuchRecord, key};
    for (const Statement& statement : statements)
        if (!RunStatement(store, statement.sql, statement.values))
            return DatabaseError;
    return HandEdits::MarkEdited(store, table) && transaction.Commit() ? Outcome{} : DatabaseError;
}
} // namespace TableRows
