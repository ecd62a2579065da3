#include "core/edit/table_rows.h"

#include "core/edit/edit_texts.h"
#include "core/store/project_store.h"
#include "core/store/engine_statement.h"
#include "core/store/hand_edits.h"
#include "core/store/record_set.h"
#include "core/store/transaction.h"

namespace
{
const Outcome DatabaseError{Status::DatabaseError, {}};

std::optional<bool> NameExists(CProjectStore& store, const QString& table, const QString& name)
{
    const auto rows = store.GetRecordSet(QStringLiteral("select count(SN) from ") + table
                                             + QStringLiteral(" where SN in (") + QStringLiteral("select SN from ") + table
                                             + QStringLiteral(" where SN in") + QStringLiteral("(?)") + QStringLiteral(")"),
                                         {name});
    if (!rows->IsValid() || rows->IsEOF())
        return std::nullopt;
    return rows->GetText(0) != QLatin1String("0");
}

std::optional<int> NextId(CProjectStore& store, const QString& table)
{
    const auto rows = store.GetRecordSet(QStringLiteral("select count(*) from ") + table);
    if (!rows->IsValid() || rows->IsEOF())
        return std::nullopt;
    return rows->GetValue(0).toInt() + 1;
}

bool Insert(CProjectStore& store, const QString& table, const TableRows::Columns& columns)
{
    const auto rows = store.GetRecordSet(QStringLiteral("select * from ") + table);
    if (!rows->IsValid())
        return false;
    rows->AddNew();
    for (const auto& column : columns)
        rows->SetValue(column.first, column.second);
    return rows->Update();
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
    const Columns row = Columns{{QStringLiteral("ID"), QString::asprintf("%d", *id)},
                                {QStringLiteral("ATTR"), EditTexts::ManualInput}}
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
        if (!store.ExecuteSql(statement.sql, statement.values))
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
        CEngineStatement rowids(store, QStringLiteral("select rowid from ") + table + QStringLiteral(" order by rowid"));
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
    QString number;
    if (runs.size() > MaxRuns)
        return store.ExecuteSql(QStringLiteral("update %1 set ID = numbered.n from (select rowid as r, row_number() over "
                                               "(order by rowid) as n from %1) as numbered "
                                               "where %1.rowid = numbered.r and %1.ID is not numbered.n")
                                    .arg(table));
    if (runs.size() == 1)
        number = QStringLiteral("rowid - %1").arg(runs.first().second);
    else
    {
        number = QStringLiteral("rowid - case");
        for (qsizetype i = 0; i + 1 < runs.size(); ++i)
            number += QStringLiteral(" when rowid < %1 then %2").arg(runs[i + 1].first).arg(runs[i].second);
        number += QStringLiteral(" else %1 end").arg(runs.last().second);
    }
    return store.ExecuteSql(QStringLiteral("update %1 set ID = %2 where ID is not (%2)").arg(table, number));
}
std::optional<bool> Holds(CProjectStore& store, const QString& table, const Statement& where)
{
    const auto rows = store.GetRecordSet(QStringLiteral("select 1 from ") + table + where.sql + QStringLiteral(" limit 1"),
                                         where.values);
    if (!rows->IsValid())
        return std::nullopt;
    return !rows->IsEOF();
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
        if (!store.ExecuteSql(statement.sql, statement.values))
            return DatabaseError;
    return HandEdits::MarkEdited(store, table) && transaction.Commit() ? Outcome{} : DatabaseError;
}
} // namespace TableRows
