#include "core/edit/coor_edit.h"

#include "core/edit/edit_texts.h"
#include "core/edit/table_rows.h"
#include "core/edit/typed_number.h"

namespace
{
struct Coordinates
{
    QString north;
    QString east;
    QString height;
};

// Checks the name, then each coordinate in the dialog's order, and formats them.
Outcome Validate(const CoorFields& point, Coordinates& formatted)
{
    if (point.name.trimmed().isEmpty())
        return {Status::EmptyName, {}};
    struct Field
    {
        const QString& typed;
        QString name;
        QString& stored;
    };
    const Field fields[] = {{point.north, EditTexts::North, formatted.north},
                            {point.east, EditTexts::East, formatted.east},
                            {point.height, EditTexts::Height, formatted.height}};
    for (const Field& field : fields)
    {
        const std::optional<double> value = ParseNumber(field.typed);
        if (!value)
            return Outcome::Invalid(field.name);
        field.stored = FormatCoordinate(*value);
    }
    return {};
}
} // namespace

QString FormatCoordinate(double value)
{
    return QString::asprintf("%.3f", value);
}

Outcome AddCoor(CProjectStore& store, const CoorFields& point)
{
    Coordinates c;
    if (const Outcome checked = Validate(point, c); !checked.Succeeded())
        return checked;
    return TableRows::AddManualRow(store, QStringLiteral("CoorEdit"), point.name,
                                   {{QStringLiteral("SN"), point.name},
                                    {QStringLiteral("ECOOR"), c.east},
                                    {QStringLiteral("NCOOR"), c.north},
                                    {QStringLiteral("ZCOOR"), c.height},
                                    {QStringLiteral("CODE"), point.code}});
}

Outcome EditCoor(CProjectStore& store, const CoorFields& point)
{
    Coordinates c;
    if (const Outcome checked = Validate(point, c); !checked.Succeeded())
        return checked;
    // The four changes stand or fall together: a half-edited point is worse than none.
    const QString where = QStringLiteral(" where SN=?");
    return TableRows::ChangeRecord(store, QStringLiteral("CoorEdit"), {where, {point.name}}, point.name, {
                                        {QStringLiteral("update CoorEdit set ECOOR=?") + where, {c.east, point.name}},
                                        {QStringLiteral("update CoorEdit set NCOOR=?") + where, {c.north, point.name}},
                                        {QStringLiteral("update CoorEdit set ZCOOR=?") + where, {c.height, point.name}},
                                        {QStringLiteral("update CoorEdit set CODE=?") + where, {point.code, point.name}},
                                    });
}
