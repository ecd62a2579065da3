#include "core/edit/record_delete.h"

#include "core/edit/edit_texts.h"
#include "core/edit/table_rows.h"
#include "core/edit/typed_number.h"
#include "core/report/reporter.h"
#include "core/store/discarded_copy.h"
#include "core/store/hand_edits.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "core/views/data_kind.h"

bool IsEditableKind(DataKind kind)
{
    return kind == DataKind::Coor || kind == DataKind::Code || kind == DataKind::Alignment;
}

Outcome DeleteRecord(CProjectStore& store, DataKind kind, const QString& key, IReporter& asker)
{
    if (!IsEditableKind(kind))
        return {Status::Cancelled, {}};
    const QString table = TableOf(kind);
    QString condition;
    QVariantList values;
    if (kind == DataKind::Alignment)
    {
        // The alignment is keyed by its running number: only a whole number names a row.
        const std::optional<qint64> id = ParseWholeNumber(key);
        if (!id)
            return Outcome::Invalid(EditTexts::Sequence);
        condition = Sql(" where %1=?", {Col::ID});
        values << *id;
    }
    else
    {
        condition = Sql(" where %1=?", {Col::SN});
        values << key;
    }

    // A record that is not there is said so, rather than asked about and "deleted" in silence.
    const std::optional<bool> held = TableRows::Holds(store, table, {condition, values});
    if (!held)
        return {Status::DatabaseError, {}};
    if (!*held)
        return {Status::NoSuchRecord, key};
    if (!asker.Confirm(EditTexts::DeleteQuestion(key)))
        return {Status::Cancelled, {}};

    CTransaction transaction(store);
    if (!transaction.IsActive())
        return {Status::DatabaseError, {}};
    if (!RunStatement(store, Sql("delete from %1", {table}) + condition, values) || !TableRows::Renumber(store, table)
        || !HandEdits::MarkEdited(store, table) || !transaction.Commit())
        return {Status::DatabaseError, {}};
    return {};
}

Outcome DeleteAllRecords(CProjectStore& store, DataKind kind, IReporter& asker)
{
    if (!IsEditableKind(kind))
        return {Status::Cancelled, {}};
    if (!asker.Confirm(EditTexts::DeleteAllQuestion))
        return {Status::Cancelled, {}};
    CTransaction transaction(store);
    if (!transaction.IsActive() || !DiscardRows(store, TableOf(kind)) || !transaction.Commit())
        return {Status::DatabaseError, {}};
    return {};
}
