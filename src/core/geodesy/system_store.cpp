#include "core/geodesy/system_store.h"

#include "core/edit/table_rows.h"
#include "core/store/project_store.h"
#include "core/store/record_set.h"

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
    const std::unique_ptr<CRecordSet> row = store.GetRecordSet(
        QStringLiteral("select EPSG, MERIDIAN, HEIGHT, FALSEEASTING, FALSENORTHING, SCALE from CoordSystem where ID=?"),
        {SystemRow});
    if (readFailed)
        *readFailed = !row->IsValid();
    if (!row->IsValid() || row->IsEOF())
        return {};
    bool ok = false;
    if (const int code = row->GetText(0).toInt(&ok); ok && code > 0)
        return CoordinateSystem::Epsg(code);
    LocalGrid grid;
    double* const fields[] = {&grid.meridian, &grid.height, &grid.falseEasting, &grid.falseNorthing, &grid.scale};
    for (int i = 0; i < 5; ++i)
    {
        *fields[i] = row->GetText(i + 1).toDouble(&ok);
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
        store, {{QStringLiteral("delete from CoordSystem"), {}},
                {QStringLiteral("insert into CoordSystem (ID, EPSG, MERIDIAN, HEIGHT, FALSEEASTING, FALSENORTHING, "
                                "SCALE) values (?, ?, ?, ?, ?, ?, ?)"),
                 values}});
}
