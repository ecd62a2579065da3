#include "core/edit/code_edit.h"

#include "core/edit/table_rows.h"

Outcome AddCode(CProjectStore& store, const CodeFields& code)
{
    if (code.number.trimmed().isEmpty())
        return {Status::EmptyName, {}};
    return TableRows::AddManualRow(store, QStringLiteral("CodeEdit"), code.number,
                                   {{QStringLiteral("SN"), code.number}, {QStringLiteral("CODE"), code.code}});
}

Outcome EditCode(CProjectStore& store, const CodeFields& code)
{
    if (code.number.trimmed().isEmpty())
        return {Status::EmptyName, {}};
    return TableRows::RunAll(store, {{QStringLiteral("update CodeEdit set CODE=?") + QStringLiteral(" where SN=?"),
                                      {code.code, code.number}}});
}
