#include "core/store/hand_edits.h"

#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"

namespace
{
std::optional<bool> IsMarked(CProjectStore& store, const QString& table)
{
    const std::optional<QVariant> marks =
        QueryValue(store, Sql("select count(*) from %1 where %2=?", {Tbl::HandEdits, Col::TABLENAME}), {table});
    if (!marks)
        return std::nullopt;
    return marks->toInt() > 0;
}
} // namespace

namespace HandEdits
{
bool MarkEdited(CProjectStore& store, const QString& table)
{
    return RunStatement(store,
                        Sql("insert into %1(%2) select ? where not exists (select 1 from %1 where %2=?)",
                            {Tbl::HandEdits, Col::TABLENAME}),
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
    return !*marked || RunStatement(store, Sql("delete from %1 where %2=?", {Tbl::HandEdits, Col::TABLENAME}), {table});
}

std::optional<bool> HoldsUnsavedWork(CProjectStore& store, const QString& table)
{
    const std::optional<bool> marked = IsMarked(store, table);
    if (!marked || !*marked)
        return marked;
    const std::optional<QVariant> rows = QueryValue(store, Sql("select exists(select 1 from %1)", {table}));
    if (!rows)
        return std::nullopt;
    return rows->toInt() > 0;
}
} // namespace HandEdits
