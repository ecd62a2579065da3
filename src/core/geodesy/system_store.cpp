#include "core/geodesy/system_store.h"

#include "core/edit/table_rows.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"

namespace
{
// One row, this number, holds the system.
constexpr int SystemRow = 1;

QString Stored(double value)
{
    return QString::number(value, 'g', 17);
}
} // namespace

CoordinateSystem ReadProjectSystem(CProjectStore& store, bool* readFailed)
{
    CStatement row(store, Sql("select %2, %3, %4, %5, %6, %7 from %1 where %8=?",
                              {Tbl::CoordSystem, Col::EPSG, Col::MERIDIAN, Col::HEIGHT, Col::FALSEEASTING,
                               Col::FALSENORTHING, Col::SCALE, Col::ID}),
                   {SystemRow});
    const bool found = row.Next();
    if (readFailed)
        *readFailed = row.Failed();
    if (!found)
        return {};
    bool ok = false;
    if (const int code = row.Text(0).toInt(&ok); ok && code > 0)
        return CoordinateSystem::Epsg(code);
    LocalGrid grid;
    double* const fields[] = {&grid.meridian, &grid.height, &grid.falseEasting, &grid.falseNorthing, &grid.scale};
    for (int i = 0; i < 5; ++i)
    {
        *fields[i] = row.Text(i + 1).toDouble(&ok);
        if (!ok)
            return {};
    }
    return CoordinateSystem::Local(grid);
}

Outcome WriteProjectSystem(CProjectStore& store, const CoordinateSystem& system)
{
    if (const Outcome checked = CheckSystem(system); !checked.Succeeded())
        return checked;
    const bool local = system.kind == CoordinateSystem::Kind::Local;
    const LocalGrid& grid = system.local;
    const QVariantList values = {
        SystemRow,
        local ? QString() : QString::number(system.epsg),
        local ? Stored(grid.meridian) : QString(),
        local ? Stored(grid.height) : QString(),
        local ? Stored(grid.falseEasting) : QString(),
        local ? Stored(grid.falseNorthing) : QString(),
        local ? Stored(grid.scale) : QString(),
    };
    return TableRows::RunAll(
        store, {{Sql("delete from %1", {Tbl::CoordSystem}), {}},
                {InsertInto(Tbl::CoordSystem, Schema::FindTable(Tbl::CoordSystem)->ColumnNames()), values}});
}
