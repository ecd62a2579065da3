#include "core/edit/table_rows.h"

#include "core/edit/edit_texts.h"
#include "core/store/project_store.h"
#include "core/store/record_set.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"

namespace
{
const EditOutcome DatabaseError{EditStatus::DatabaseError, {}};

std::optional<bool> NameExists(CProjectStore& store, const QString& table, const QString& name)
{
    const auto rows = store.GetRecordSet(QStringLiteral("select count(SN) from ") + table
                                         + QStringLiteral(" where SN in (") + QStringLiteral("select SN from ") + table
                                         + QStringLiteral(" where SN in") + QStringLiteral("(") + SqlText(name)
                                         + QStringLiteral(")") + QStringLiteral(")"));
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
EditOutcome AddManualRow(CProjectStore& store, const QString& table, const std::optional<QString>& uniqueName,
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
            return {EditStatus::NameExists, {}};
    }
    const std::optional<int> id = NextId(store, table);
    if (!id)
        return DatabaseError;
    const Columns row = Columns{{QStringLiteral("ID"), QString::asprintf("%d", *id)},
                                {QStringLiteral("ATTR"), EditTexts::ManualInput}}
                        + columns;
    if (!Insert(store, table, row) || !transaction.Commit())
        return DatabaseError;
    return {};
}

EditOutcome RunAll(CProjectStore& store, const QStringList& statements)
{
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return DatabaseError;
    for (const QString& statement : statements)
    {
        if (!store.ExecuteSql(statement))
            return DatabaseError;
    }
    if (!transaction.Commit())
        return DatabaseError;
    return {};
}

bool Renumber(CProjectStore& store, const QString& table)
{
    // Read every row first: the updates below change the table being walked.
    QList<qint64> rowIds;
    {
        const auto rows = store.GetRecordSet(QStringLiteral("select rowid from ") + table + QStringLiteral(" order by rowid"));
        if (!rows->IsValid())
            return false;
        for (; !rows->IsEOF(); rows->MoveNext())
            rowIds << rows->GetValue(0).toLongLong();
    }
    int counter = 1;
    for (const qint64 rowId : rowIds)
    {
        if (!store.ExecuteSql(QStringLiteral("update %1 set ID=%2 where rowid=%3").arg(table).arg(counter).arg(rowId)))
            return false;
        ++counter;
    }
    return true;
}
} // namespace TableRows
