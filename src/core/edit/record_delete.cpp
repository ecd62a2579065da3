#include "core/edit/record_delete.h"

#include "core/edit/edit_texts.h"
#include "core/edit/table_rows.h"
#include "core/edit/typed_number.h"
#include "core/store/discarded_copy.h"
#include "core/store/engine_sql.h"
#include "core/store/hand_edits.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "core/views/data_kind.h"

namespace
{
// The " where …" clause that picks the rows of `key`: the point name or code number, or the
// alignment's running number; nothing for an alignment key that is no whole number.
std::optional<TableRows::Statement> KeyCondition(DataKind kind, const QString& key)
{
    if (kind != DataKind::Alignment)
        return TableRows::Statement{Sql(" where %1=?", {Col::SN}), {key}};
    const std::optional<qint64> id = ParseWholeNumber(key);
    if (!id)
        return std::nullopt;
    return TableRows::Statement{Sql(" where %1=?", {Col::ID}), {*id}};
}
} // namespace

bool IsEditableKind(DataKind kind)
{
    return kind == DataKind::Coor || kind == DataKind::Code || kind == DataKind::Alignment;
}

Outcome CheckDeleteKey(CProjectStore& store, DataKind kind, const QString& key)
{
    if (!IsEditableKind(kind))
        return {Status::Cancelled, {}};
    const std::optional<TableRows::Statement> condition = KeyCondition(kind, key);
    if (!condition)
        return Outcome::Invalid(EditTexts::Sequence);
    // A record that is not there is said so, rather than asked about and "deleted" in silence.
    const std::optional<bool> held = TableRows::Holds(store, TableOf(kind), *condition);
    if (!held)
        return {Status::DatabaseError, {}};
    if (!*held)
        return {Status::NoSuchRecord, key};
    return {};
}

Outcome DeleteRecord(CProjectStore& store, DataKind kind, const QString& key)
{
    if (const Outcome checked = CheckDeleteKey(store, kind, key); !checked.Succeeded())
        return checked;
    const QString table = TableOf(kind);
    const TableRows::Statement condition = *KeyCondition(kind, key);
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return {Status::DatabaseError, {}};
    if (!RunStatement(store, Sql("delete from %1", {table}) + condition.sql, condition.values)
        || !TableRows::Renumber(store, table) || !HandEdits::MarkEdited(store, table) || !transaction.Commit())
        return {Status::DatabaseError, {}};
    return {};
}

Outcome DeleteRecords(CProjectStore& store, DataKind kind, const QStringList& keys)
{
    if (!IsEditableKind(kind))
        return {Status::Cancelled, {}};
    QVariantList values;
    for (const QString& key : keys)
    {
        const std::optional<TableRows::Statement> condition = KeyCondition(kind, key);
        if (!condition)
            return Outcome::Invalid(EditTexts::Sequence);
        values << condition->values;
    }
    const QString table = TableOf(kind);
    const QString column = kind == DataKind::Alignment ? Col::ID : Col::SN;
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return {Status::DatabaseError, {}};
    // The keys go into a table of this connection's own, so that the rows of a thousand keys
    // are found in one pass over the list rather than a pass per key.
    const QString keyTable = EngineSql::KeyTable();
    bool written = RunStatement(store, EngineSql::CreateKeyTable()) &&
                   RunStatement(store, QStringLiteral("delete from ") + keyTable);
    if (written)
    {
        CStatement insert(store, QStringLiteral("insert into %1 values(?)").arg(keyTable));
        for (qsizetype i = 0; written && i < values.size(); ++i)
        {
            insert.Bind(1, values[i]);
            written = insert.Execute();
        }
    }
    if (!written ||
        !RunStatement(store, Sql("delete from %1 where %2 in ", {table, column}) +
                                 QStringLiteral("(select k from %1)").arg(keyTable)) ||
        !RunStatement(store, QStringLiteral("delete from ") + keyTable) || !TableRows::Renumber(store, table) ||
        !HandEdits::MarkEdited(store, table) || !transaction.Commit())
        return {Status::DatabaseError, {}};
    return {};
}

Outcome DeleteAllRecords(CProjectStore& store, DataKind kind)
{
    if (!IsEditableKind(kind))
        return {Status::Cancelled, {}};
    CTransaction transaction(store);
    if (!transaction.IsActive() || !DiscardRows(store, TableOf(kind)) || !transaction.Commit())
        return {Status::DatabaseError, {}};
    return {};
}
