#include "core/edit/alignment_edit.h"

#include "core/edit/edit_texts.h"
#include "core/edit/table_rows.h"
#include "core/edit/typed_number.h"

Outcome AddAlignment(CProjectStore& store, const AlignmentFields& element)
{
    if (!ParseNumber(element.startDist))
        return Outcome::Invalid(EditTexts::StartDist);
    return TableRows::AddManualRow(store, QStringLiteral("520SurLine"), std::nullopt,
                                   {{QStringLiteral("LINETYPE"), element.lineType},
                                    {QStringLiteral("STARTDIST"), element.startDist.trimmed()},
                                    {QStringLiteral("CIRCUS"), element.radius},
                                    {QStringLiteral("NCOOR"), element.north},
                                    {QStringLiteral("ECOOR"), element.east}});
}

Outcome EditAlignment(CProjectStore& store, const AlignmentFields& element)
{
    // Both stand bare in the statements, so both must be numbers, never raw text.
    const std::optional<qint64> id = ParseWholeNumber(element.sequence);
    if (!id)
        return Outcome::Invalid(EditTexts::Sequence);
    if (!ParseNumber(element.startDist))
        return Outcome::Invalid(EditTexts::StartDist);
    const QString where = QStringLiteral(" where ID=") + QString::number(*id);
    return TableRows::ChangeRecord(store, QStringLiteral("520SurLine"), {where, {}}, element.sequence.trimmed(), {
                                        {QStringLiteral("update 520SurLine set LINETYPE=?") + where, {element.lineType}},
                                        {QStringLiteral("update 520SurLine set STARTDIST=") + element.startDist.trimmed() + where, {}},
                                        {QStringLiteral("update 520SurLine set CIRCUS=?") + where, {element.radius}},
                                        {QStringLiteral("update 520SurLine set NCOOR=?") + where, {element.north}},
                                        {QStringLiteral("update 520SurLine set ECOOR=?") + where, {element.east}},
                                    });
}
