#include "core/store/schema.h"

namespace Schema
{
namespace
{
QStringList DataColumns(int count)
{
    QStringList columns;
    for (int i = 1; i <= count; ++i)
        columns << QStringLiteral("DATA%1").arg(i);
    return columns;
}

// ID sorts and compares as a number, STARTDIST must order by value and the serial settings are
// codes; every other column keeps the exact text it was given (3456789.100 stays 3456789.100).
QString ColumnType(const QString& table, const QString& column)
{
    if (column == QLatin1String("ID"))
        return QStringLiteral("INTEGER");
    if (column == QLatin1String("STARTDIST"))
        return QStringLiteral("REAL");
    if (table == QLatin1String("COMConfig"))
        return QStringLiteral("INTEGER");
    return QStringLiteral("TEXT");
}
} // namespace

const QList<Table>& Tables()
{
    static const QList<Table> tables = {
        {"CoorEdit", {"ID", "ATTR", "SN", "NCOOR", "ECOOR", "ZCOOR", "CODE"}},
        {"CodeEdit", {"ID", "ATTR", "SN", "CODE"}},
        {"740Meas",
         {"ID", "ATTR", "SN", "NCOOR", "ECOOR", "ZCOOR", "CODE", "PH", "PA", "HD", "IH", "HA", "VA", "SD",
          "NOTES"}},
        {"520Meas", QStringList{"ID", "ATTR", "MARK"} + DataColumns(23)},
        {"520RoadStake", {"ID", "ATTR", "DIST", "LABGRAP", "LABX", "LABY", "LABZ", "MEMO"}},
        {"520BreakerSur", {"ID", "ATTR", "DIST", "WIDTH", "HIGH"}},
        {"520SurLine", {"ID", "ATTR", "LINETYPE", "STARTDIST", "CIRCUS", "NCOOR", "ECOOR"}},
        {"COMConfig", {"ComPort", "BaudRate", "Protocol", "DataBit", "StopBit", "ParityBit"}},
        // One row per hand-kept list that holds work typed or changed by hand since it last
        // left the program (an export, an upload): it outlives the run, as the rows do.
        {"HandEdits", {"TABLENAME"}},
        // Points recomputed from the job: differences to the instrument's own coordinates in
        // millimetres; FLAG "1" where they exceed the tolerance of the computation.
        {"CalcCoor", {"ID", "ATTR", "SN", "STATION", "NCOOR", "ECOOR", "ZCOOR", "CODE", "DN", "DE", "DZ", "FLAG"}},
        // The traverse grades the user holds to: the most stations, fβ per √n in seconds, the
        // denominator N of the relative misclosure 1/N, the longest traverse in km (0: no limit).
        {"TraverseGrade", {"ID", "NAME", "STATIONS", "ANGLE", "RELATIVE", "LENGTH"}},
        // The project's coordinate system: an EPSG code, or the local grid's parameters.
        {"CoordSystem", {"ID", "EPSG", "MERIDIAN", "HEIGHT", "FALSEEASTING", "FALSENORTHING", "SCALE"}},
    };
    return tables;
}

const Table* FindTable(const QString& name)
{
    for (const Table& table : Tables())
        if (table.name.compare(name, Qt::CaseInsensitive) == 0)
            return &table;
    return nullptr;
}

const QStringList& ScratchTables()
{
    static const QStringList tables = {"CoorEdit", "CodeEdit", "520BreakerSur", "520RoadStake", "520SurLine"};
    return tables;
}

const QStringList& HandKeptTables()
{
    static const QStringList tables = {"CoorEdit", "CodeEdit", "520SurLine"};
    return tables;
}

QStringList CreateStatements()
{
    QStringList statements;
    for (const Table& table : Tables())
    {
        QStringList definitions;
        for (const QString& column : table.columns)
            definitions << QStringLiteral("\"%1\" %2").arg(column, ColumnType(table.name, column));
        statements << QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (%2)").arg(table.name, definitions.join(", "));
    }
    return statements;
}
} // namespace Schema
