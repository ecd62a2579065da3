#include "core/edit/code_edit.h"

#include "core/edit/edit_texts.h"
#include "core/edit/table_rows.h"

Outcome AddCode(CProjectStore& store, const CodeFields& code)
{
    if (code.number.trimmed().isEmpty())
        return {Status::EmptyName, EditTexts::CodeNumber};
    return TableRows::AddManualRow(store, QStringLiteral("CodeEdit"), code.number,
                                   {{QStringLiteral("SN"), code.number}, {QStringLiteral("CODE"), code.code}});
}

Outcome EditCode(CProjectStore& store, const CodeFields& code)
{
    if (code.number.trimmed().isEmpty())
        return {Status::EmptyName, EditTexts::CodeNumber};
    const QString where = QStringLiteral(" where SN=?");
    return TableRows::ChangeRecord(store, QStringLiteral("CodeEdit"), {where, {code.number}}, code.number,
                                   {{QStringLiteral("update CodeEdit set CODE=?") + where, {code.code, code.number}}});
}
