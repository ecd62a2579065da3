#include "edit/coor_edit.h"

#include "edit/edit_texts.h"
#include "edit/table_rows.h"
#include "store/project_store.h"
#include "store/statement.h"
#include "store/transaction.h"

namespace
{
const QString Table = QStringLiteral("CoorEdit");

struct Coordinates
{
    QString north;
    QString east;
    QString height;
};

// Checks the name, then each coordinate in the dialog's order, and formats them.
EditOutcome Validate(const CoorFields& point, Coordinates& formatted)
{
    if (point.name.trimmed().isEmpty())
        return {EditStatus::EmptyName, {}};
    struct Field
    {
        const QString& typed;
        const QString& name;
        QString& stored;
    };
    const Field fields[] = {{point.north, EditTexts::North, formatted.north},
                            {point.east, EditTexts::East, formatted.east},
                            {point.height, EditTexts::Height, formatted.height}};
    for (const Field& field : fields)
    {
        const std::optional<double> value = ParseNumber(field.typed);
        if (!value)
            return EditOutcome::Invalid(field.name);
        field.stored = FormatCoordinate(*value);
    }
    return {};
}
} // namespace

QString FormatCoordinate(double value)
{
    return QString::asprintf("%.3f", value);
}

EditOutcome AddCoor(CProjectStore& store, const CoorFields& point)
{
    Coordinates c;
    if (const EditOutcome checked = Validate(point, c); !checked.Succeeded())
        return checked;

    CTransaction transaction(store);
    if (!transaction.IsActive())
        return {EditStatus::DatabaseError, {}};
    const std::optional<bool> exists = TableRows::NameExists(store, Table, point.name);
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
                                          {QStringLiteral("SN"), point.name},
                                          {QStringLiteral("ECOOR"), c.east},
                                          {QStringLiteral("NCOOR"), c.north},
                                          {QStringLiteral("ZCOOR"), c.height},
                                          {QStringLiteral("CODE"), point.code}});
    if (!added || !transaction.Commit())
        return {EditStatus::DatabaseError, {}};
    return {};
}

EditOutcome EditCoor(CProjectStore& store, const CoorFields& point)
{
    Coordinates c;
    if (const EditOutcome checked = Validate(point, c); !checked.Succeeded())
        return checked;

    // The four changes stand or fall together: a half-edited point is worse than none.
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return {EditStatus::DatabaseError, {}};
    const QString where = QStringLiteral(" where SN=") + SqlText(point.name);
    const QString statements[] = {
        QStringLiteral("update CoorEdit set ECOOR=") + SqlText(c.east) + where,
        QStringLiteral("update CoorEdit set NCOOR=") + SqlText(c.north) + where,
        QStringLiteral("update CoorEdit set ZCOOR=") + SqlText(c.height) + where,
        QStringLiteral("update CoorEdit set CODE=") + SqlText(point.code) + where,
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
