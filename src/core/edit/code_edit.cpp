#include "edit/code_edit.h"

#include "edit/edit_texts.h"
#include "edit/table_rows.h"
#include "store/project_store.h"
#include "store/statement.h"
#include "store/transaction.h"

namespace
{
const QString Table = QStringLiteral("CodeEdit");
}

EditOutcome AddCode(CProjectStore& store, const CodeFields& code)
{
    if (code.number.trimmed().isEmpty())
        return {EditStatus::EmptyName, {}};

    CTransaction transaction(store);
    if (!transaction.IsActive())
        return {EditStatus::DatabaseError, {}};
    const std::optional<bool> exists = TableRows::NameExists(store, Table, code.number);
    if (!exists)
        return {EditStatus::DatabaseError, {}};
    if (*exists)
        return {EditStatus::NameExists, {}};
    const std::optional<int> id = TableRows::NextId(store, Table);
    if (!id)
        return {EditStatus::DatabaseError, {}};
    const bool added = TableRows::Insert(store, Table,
                                         {{QStringLiteral("ID"), QString::asprintf("%d", *id)},
                                          {QStringLiteral("ATTR"), EditTexts::ManualInput},
                                          {QStringLiteral("SN"), code.number},
                                          {QStringLiteral("CODE"), code.code}});
    if (!added || !transaction.Commit())
        return {EditStatus::DatabaseError, {}};
    return {};
}

EditOutcome EditCode(CProjectStore& store, const CodeFields& code)
{
    if (code.number.trimmed().isEmpty())
        return {EditStatus::EmptyName, {}};
    if (!store.ExecuteSql(QStringLiteral("update CodeEdit set CODE=") + SqlText(code.code) + QStringLiteral(" where SN=")
                          + SqlText(code.number)))
        return {EditStatus::DatabaseError, {}};
    return {};
}
