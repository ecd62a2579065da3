#include "edit/alignment_edit.h"

#include "edit/edit_texts.h"
#include "edit/table_rows.h"
#include "store/project_store.h"
#include "store/statement.h"
#include "store/transaction.h"

namespace
{
const QString Table = QStringLiteral("520SurLine");
}

EditOutcome AddAlignment(CProjectStore& store, const AlignmentFields& element)
{
    if (!ParseNumber(element.startDist))
        return EditOutcome::Invalid(EditTexts::StartDist);

    CTransaction transaction(store);
    if (!transaction.IsActive())
        return {EditStatus::DatabaseError, {}};
    const std::optional<int> id = TableRows::NextId(store, Table);
    if (!id)
        return {EditStatus::DatabaseError, {}};
    const bool added = TableRows::Insert(store, Table,
                                         {{QStringLiteral("ID"), QString::asprintf("%d", *id)},
                                          {QStringLiteral("ATTR"), EditTexts::ManualInput},
                                          {QStringLiteral("LINETYPE"), element.lineType},
                                          {QStringLiteral("STARTDIST"), element.startDist.trimmed()},
                                          {QStringLiteral("CIRCUS"), element.radius},
                                          {QStringLiteral("NCOOR"), element.north},
                                          {QStringLiteral("ECOOR"), element.east}});
    if (!added || !transaction.Commit())
        return {EditStatus::DatabaseError, {}};
    return {};
}

EditOutcome EditAlignment(CProjectStore& store, const AlignmentFields& element)
{
    // Both stand bare in the statements, so both must be numbers, never raw text.
    const std::optional<qint64> id = ParseWholeNumber(element.sequence);
    if (!id)
        return EditOutcome::Invalid(EditTexts::Sequence);
    if (!ParseNumber(element.startDist))
        return EditOutcome::Invalid(EditTexts::StartDist);

    CTransaction transaction(store);
    if (!transaction.IsActive())
        return {EditStatus::DatabaseError, {}};
    const QString where = QStringLiteral(" where ID=") + QString::number(*id);
    const QString statements[] = {
        QStringLiteral("update 520SurLine set LINETYPE=") + SqlText(element.lineType) + where,
        QStringLiteral("update 520SurLine set STARTDIST=") + element.startDist.trimmed() + where,
        QStringLiteral("update 520SurLine set CIRCUS=") + SqlText(element.radius) + where,
        QStringLiteral("update 520SurLine set NCOOR=") + SqlText(element.north) + where,
        QStringLiteral("update 520SurLine set ECOOR=") + SqlText(element.east) + where,
    };
    for (const QString& statement : statements)
    {
        if (!store.ExecuteSql(statement))
            return {EditStatus::DatabaseError, {}};
    }
    if (!transaction.Commit())
        return {EditStatus::DatabaseError, {}};
    return {};
}
