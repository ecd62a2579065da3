#include "core/store/schema.h"

#include "core/store/sql_text.h"

QString Col::Data(int number)
{
    return QStringLiteral("DATA%1").arg(number);
}

namespace Schema
{
namespace
{
// ID sorts and compares as a number, STARTDIST must order by value and the serial settings are
// codes; every other column keeps the exact text it was given (3456789.100 stays 3456789.100).
Column Id()
{
    return {Col::ID, ColumnType::Integer};
}

QList<Column> Texts(std::initializer_list<SchemaName> names)
{
    QList<Column> columns;
    for (const SchemaName& name : names)
        columns << Column{name, ColumnType::Text};
    return columns;
}

QList<Column> DataColumns()
{
    QList<Column> columns;
    for (int i = 1; i <= Col::DataColumnCount; ++i)
        columns << Column{Col::Data(i), ColumnType::Text};
    return columns;
}

QList<Column> Codes(std::initializer_list<SchemaName> names)
{
    QList<Column> columns;
    for (const SchemaName& name : names)
        columns << Column{name, ColumnType::Integer};
    return columns;
}

QString TypeName(ColumnType type)
{
    switch (type)
    {
    case ColumnType::Integer: return QStringLiteral("INTEGER");
    case ColumnType::Real: return QStringLiteral("REAL");
    case ColumnType::Text: break;
    }
    return QStringLiteral("TEXT");
}
} // namespace

QStringList Table::ColumnNames() const
{
    QStringList names;
    for (const Column& column : columns)
        names << column.name;
    return names;
}

const QList<Table>& Tables()
{
    using namespace Col;
    static const QList<Table> tables = {
        {Tbl::CoorEdit, QList{Id()} + Texts({ATTR, SN, NCOOR, ECOOR, ZCOOR, CODE})},
        {Tbl::CodeEdit, QList{Id()} + Texts({ATTR, SN, CODE})},
        {Tbl::Meas740, QList{Id()} + Texts({ATTR, SN, NCOOR, ECOOR, ZCOOR, CODE, PH, PA, HD, IH, HA, VA, SD, NOTES})},
        {Tbl::Meas520, QList{Id()} + Texts({ATTR, MARK}) + DataColumns()},
        {Tbl::RoadStake520, QList{Id()} + Texts({ATTR, DIST, LABGRAP, LABX, LABY, LABZ, MEMO})},
        {Tbl::BreakerSur520, QList{Id()} + Texts({ATTR, DIST, WIDTH, HIGH})},
        {Tbl::SurLine520,
         QList{Id()} + Texts({ATTR, LINETYPE}) + QList{Column{STARTDIST, ColumnType::Real}} + Texts({CIRCUS, NCOOR, ECOOR})},
        {Tbl::COMConfig, Codes({ComPort, BaudRate, Protocol, DataBit, StopBit, ParityBit})},
        // One row per hand-kept list that holds work typed or changed by hand since it last
        // left the program (an export, an upload): it outlives the run, as the rows do.
        {Tbl::HandEdits, Texts({TABLENAME})},
        // Points recomputed from the job: differences to the instrument's own coordinates in
        // millimetres; FLAG "1" where they exceed the tolerance of the computation.
        {Tbl::CalcCoor, QList{Id()} + Texts({ATTR, SN, STATION, NCOOR, ECOOR, ZCOOR, CODE, DN, DE, DZ, FLAG})},
        // The traverse grades the user holds to: the most stations, fβ per √n in seconds, the
        // denominator N of the relative misclosure 1/N, the longest traverse in km (0: no limit).
        {Tbl::TraverseGrade, QList{Id()} + Texts({NAME, STATIONS, ANGLE, RELATIVE, LENGTH})},
        // The project's coordinate system: an EPSG code, or the local grid's parameters.
        {Tbl::CoordSystem, QList{Id()} + Texts({EPSG, MERIDIAN, HEIGHT, FALSEEASTING, FALSENORTHING, SCALE})},
        // Points of the last least-squares adjustment: σ and the error ellipse's semi-axes in
        // millimetres, the major axis's azimuth in degrees; empty for a fixed point.
        {Tbl::AdjCoor,
         QList{Id()} + Texts({ATTR, SN, NCOOR, ECOOR, SIGMAN, SIGMAE, ELLA, ELLB, ELLAZ, ZCOOR, SIGMAZ, CODE})},
        // Its pointings: where each puts its target, from the adjusted position, in millimetres.
        {Tbl::AdjResidual, QList{Id()} + Texts({STATION, SN, VN, VE})},
        // The stations of the last traverse, in the route's order: ATTR "KNOWN" for its known
        // ends; DN, DE the compass rule's correction carried to the station, in millimetres
        // (at the far known end, the coordinate misclosure turned round).
        {Tbl::TravCoor, QList{Id()} + Texts({ATTR, SN, NCOOR, ECOOR, DN, DE})},
        // The a priori values of the adjustment: the row without a STATION is the instrument's
        // (direction in seconds, distance a mm + b ppm, centring mm); a row with one holds that
        // station's own, empty where it takes the instrument's.
        {Tbl::AdjSigma, QList{Id()} + Texts({STATION, DIRECTION, DISTMM, DISTPPM, CENTRING})},
        // The known points the adjustment weights instead of holding fixed: σ of the plan
        // position (each of N and E) and of the height in millimetres, empty where fixed.
        {Tbl::AdjWeight, QList{Id()} + Texts({SN, SIGMAP, SIGMAZ})},
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
    static const QStringList tables = {Tbl::CoorEdit, Tbl::CodeEdit, Tbl::BreakerSur520, Tbl::RoadStake520,
                                       Tbl::SurLine520};
    return tables;
}

const QStringList& HandKeptTables()
{
    static const QStringList tables = {Tbl::CoorEdit, Tbl::CodeEdit, Tbl::SurLine520};
    return tables;
}

QStringList CreateStatements()
{
    QStringList statements;
    for (const Table& table : Tables())
    {
        QStringList definitions;
        for (const Column& column : table.columns)
            definitions << QuotedName(column.name) + QLatin1Char(' ') + TypeName(column.type);
        statements << QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(QuotedName(table.name), definitions.join(", "));
    }
    return statements;
}
} // namespace Schema
