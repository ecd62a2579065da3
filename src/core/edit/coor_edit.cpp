#include "core/edit/coor_edit.h"

#include "core/edit/edit_texts.h"
#include "core/edit/table_rows.h"
#include "core/edit/typed_number.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"

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
    return TableRows::AddManualRow(store, Tbl::CoorEdit, point.name,
                                   {{Col::SN, point.name},
                                    {Col::ECOOR, c.east},
                                    {Col::NCOOR, c.north},
                                    {Col::ZCOOR, c.height},
                                    {Col::CODE, point.code}});
}

Outcome EditCoor(CProjectStore& store, const CoorFields& point)
{
    Coordinates c;
    if (const Outcome checked = Validate(point, c); !checked.Succeeded())
        return checked;
    // The four changes stand or fall together: a half-edited point is worse than none.
    const TableRows::Statement where{Sql(" where %1=?", {Col::SN}), {point.name}};
    const auto set = [&](const SchemaName& column, const QString& value) {
        return TableRows::Statement{Sql("update %1 set %2=?", {Tbl::CoorEdit, column}) + where.sql, {value, point.name}};
    };
    return TableRows::ChangeRecord(store, Tbl::CoorEdit, where, point.name,
                                   {set(Col::ECOOR, c.east), set(Col::NCOOR, c.north), set(Col::ZCOOR, c.height),
                                    set(Col::CODE, point.code)});
}
