#include "core/edit/alignment_edit.h"

#include "core/edit/edit_texts.h"
#include "core/edit/table_rows.h"
#include "core/edit/typed_number.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"

Outcome AddAlignment(CProjectStore& store, const AlignmentFields& element)
{
    if (!ParseNumber(element.startDist))
        return Outcome::Invalid(EditTexts::StartDist);
    return TableRows::AddManualRow(store, Tbl::SurLine520, std::nullopt,
                                   {{Col::LINETYPE, element.lineType},
                                    {Col::STARTDIST, element.startDist.trimmed()},
                                    {Col::CIRCUS, element.radius},
                                    {Col::NCOOR, element.north},
                                    {Col::ECOOR, element.east}});
}

Outcome EditAlignment(CProjectStore& store, const AlignmentFields& element)
{
    const std::optional<qint64> id = ParseWholeNumber(element.sequence);
    if (!id)
        return Outcome::Invalid(EditTexts::Sequence);
    if (!ParseNumber(element.startDist))
        return Outcome::Invalid(EditTexts::StartDist);
    // The five changes stand or fall together.
    const TableRows::Statement where{Sql(" where %1=?", {Col::ID}), {*id}};
    const auto set = [&](const SchemaName& column, const QString& value) {
        return TableRows::Statement{Sql("update %1 set %2=?", {Tbl::SurLine520, column}) + where.sql, {value, *id}};
    };
    return TableRows::ChangeRecord(store, Tbl::SurLine520, where, element.sequence.trimmed(),
                                   {set(Col::LINETYPE, element.lineType), set(Col::STARTDIST, element.startDist.trimmed()),
                                    set(Col::CIRCUS, element.radius), set(Col::NCOOR, element.north),
                                    set(Col::ECOOR, element.east)});
}
