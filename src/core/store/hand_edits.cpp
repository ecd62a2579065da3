#include "core/store/hand_edits.h"

#include "core/store/project_store.h"
#include "core/store/record_set.h"

namespace
{
std::optional<bool> IsMarked(CProjectStore& store, const QString& table)
{
    const auto marks = store.GetRecordSet(QStringLiteral("select count(*) from HandEdits where TABLENAME=?"), {table});
    if (!marks->IsValid() || marks->IsEOF())
        return std::nullopt;
    return marks->GetValue(0).toInt() > 0;
}
} // namespace

namespace HandEdits
{
bool MarkEdited(CProjectStore& store, const QString& table)
{
    return store.ExecuteSql(QStringLiteral("insert into HandEdits(TABLENAME) select ? where not exists "
                                           "(select 1 from HandEdits where TABLENAME=?)"),
                            {table, table});
}

bool MarkSaved(CProjectStore& store, const QString& table)
{
    // A project that cannot be written never empties its lists either.
    if (!store.ReadOnlyReason().isEmpty())
        return true;
    const std::optional<bool> marked = IsMarked(store, table);
    if (!marked)
        return false;
    return !*marked || store.ExecuteSql(QStringLiteral("delete from HandEdits where TABLENAME=?"), {table});
}

std::optional<bool> HoldsUnsavedWork(CProjectStore& store, const QString& table)
{
    const std::optional<bool> marked = IsMarked(store, table);
    if (!marked || !*marked)
        return marked;
    const auto rows = store.GetRecordSet(QStringLiteral("select exists(select 1 from ") + table + QStringLiteral(")"));
    if (!rows->IsValid() || rows->IsEOF())
        return std::nullopt;
    return rows->GetValue(0).toInt() > 0;
}
} // namespace HandEdits
