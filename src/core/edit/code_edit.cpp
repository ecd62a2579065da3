#include "core/edit/code_edit.h"

#include "core/edit/edit_texts.h"
#include "core/edit/table_rows.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"

Outcome AddCode(CProjectStore& store, const CodeFields& code)
{
    if (code.number.trimmed().isEmpty())
        return {Status::EmptyName, EditTexts::CodeNumber};
    return TableRows::AddManualRow(store, Tbl::CodeEdit, code.number, {{Col::SN, code.number}, {Col::CODE, code.code}});
}

Outcome EditCode(CProjectStore& store, const CodeFields& code)
{
    if (code.number.trimmed().isEmpty())
        return {Status::EmptyName, EditTexts::CodeNumber};
    const TableRows::Statement where{Sql(" where %1=?", {Col::SN}), {code.number}};
    return TableRows::ChangeRecord(store, Tbl::CodeEdit, where, code.number,
                                   {{Sql("update %1 set %2=?", {Tbl::CodeEdit, Col::CODE}) + where.sql, {code.code, code.number}}});
}
