#include "core/edit/code_edit.h"

#include "core/edit/table_rows.h"

EditOutcome AddCode(CProjectStore& store, const CodeFields& code)
{
    if (code.number.trimmed().isEmpty())
        return {EditStatus::EmptyName, {}};
    return TableRows::AddManualRow(store, QStringLiteral("CodeEdit"), code.number,
                                   {{QStringLiteral("SN"), code.number}, {QStringLiteral("CODE"), code.code}});
}

EditOutcome EditCode(CProjectStore& store, const CodeFields& code)
{
    if (code.number.trimmed().isEmpty())
        return {EditStatus::EmptyName, {}};
    return TableRows::RunAll(store, {{QStringLiteral("update CodeEdit set CODE=?") + QStringLiteral(" where SN=?"),
                                      {code.code, code.number}}});
}
