#include "core/edit/record_delete.h"

#include "core/edit/edit_texts.h"
#include "core/edit/table_rows.h"
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/store/transaction.h"
#include "core/views/data_kind.h"

bool IsEditableKind(DataKind kind)
{
    return kind == DataKind::Coor || kind == DataKind::Code || kind == DataKind::Alignment;
}

EditOutcome DeleteRecord(CProjectStore& store, DataKind kind, const QString& key, IReporter& asker)
{
    if (!IsEditableKind(kind))
        return {EditStatus::Cancelled, {}};
    const QString table = TableOf(kind);
    QString condition;
    QVariantList values;
    if (kind == DataKind::Alignment)
    {
        // The ID stands bare in the statement: only a whole number may go there.
        const std::optional<qint64> id = ParseWholeNumber(key);
        if (!id)
            return EditOutcome::Invalid(EditTexts::Sequence);
        condition = QStringLiteral(" where ID=") + QString::number(*id);
    }
    else
    {
        condition = QStringLiteral(" where SN=?");
        values << key;
    }

    if (!asker.Confirm(EditTexts::DeleteQuestion(key)))
        return {EditStatus::Cancelled, {}};

    CTransaction transaction(store);
    if (!transaction.IsActive())
        return {EditStatus::DatabaseError, {}};
    if (!store.ExecuteSql(QStringLiteral("delete from ") + table + condition, values) || !TableRows::Renumber(store, table)
        || !transaction.Commit())
        return {EditStatus::DatabaseError, {}};
    return {};
}

EditOutcome DeleteAllRecords(CProjectStore& store, DataKind kind, IReporter& asker)
{
    if (!IsEditableKind(kind))
        return {EditStatus::Cancelled, {}};
    if (!asker.Confirm(EditTexts::DeleteAllQuestion))
        return {EditStatus::Cancelled, {}};
    if (!store.ExecuteSql(QStringLiteral("delete from ") + TableOf(kind)))
        return {EditStatus::DatabaseError, {}};
    return {};
}
