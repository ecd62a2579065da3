#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A table or column name of the project database. Every name stands once, below; statements,
// the list layouts, the parsers and the table definitions all take them from here. A name is
// no value: statements write names quoted, and values only ever take ? marks.
struct SchemaName
{
    const char* text;

    QString Text() const { return QLatin1String(text); }
    operator QString() const { return Text(); }
    bool operator==(const SchemaName& other) const { return Text() == other.Text(); }
};

// The tables.
namespace Tbl
{
inline constexpr SchemaName CoorEdit{"CoorEdit"};
inline constexpr SchemaName CodeEdit{"CodeEdit"};
inline constexpr SchemaName Meas740{"740Meas"};
inline constexpr SchemaName Meas520{"520Meas"};
inline constexpr SchemaName RoadStake520{"520RoadStake"};
inline constexpr SchemaName BreakerSur520{"520BreakerSur"};
inline constexpr SchemaName SurLine520{"520SurLine"};
inline constexpr SchemaName COMConfig{"COMConfig"};
inline constexpr SchemaName HandEdits{"HandEdits"};
inline constexpr SchemaName CalcCoor{"CalcCoor"};
inline constexpr SchemaName TraverseGrade{"TraverseGrade"};
inline constexpr SchemaName CoordSystem{"CoordSystem"};
inline constexpr SchemaName AdjCoor{"AdjCoor"};
inline constexpr SchemaName AdjResidual{"AdjResidual"};
inline constexpr SchemaName TravCoor{"TravCoor"};
inline constexpr SchemaName AdjSigma{"AdjSigma"};
inline constexpr SchemaName AdjWeight{"AdjWeight"};
} // namespace Tbl

// The columns, by the names the tables store.
namespace Col
{
inline constexpr SchemaName ID{"ID"};
inline constexpr SchemaName ATTR{"ATTR"};
inline constexpr SchemaName SN{"SN"};
inline constexpr SchemaName NCOOR{"NCOOR"};
inline constexpr SchemaName ECOOR{"ECOOR"};
inline constexpr SchemaName ZCOOR{"ZCOOR"};
inline constexpr SchemaName CODE{"CODE"};
inline constexpr SchemaName PH{"PH"};
inline constexpr SchemaName PA{"PA"};
inline constexpr SchemaName HD{"HD"};
inline constexpr SchemaName IH{"IH"};
inline constexpr SchemaName HA{"HA"};
inline constexpr SchemaName VA{"VA"};
inline constexpr SchemaName SD{"SD"};
inline constexpr SchemaName NOTES{"NOTES"};
inline constexpr SchemaName MARK{"MARK"};
inline constexpr SchemaName DIST{"DIST"};
inline constexpr SchemaName LABGRAP{"LABGRAP"};
inline constexpr SchemaName LABX{"LABX"};
inline constexpr SchemaName LABY{"LABY"};
inline constexpr SchemaName LABZ{"LABZ"};
inline constexpr SchemaName MEMO{"MEMO"};
inline constexpr SchemaName WIDTH{"WIDTH"};
inline constexpr SchemaName HIGH{"HIGH"};
inline constexpr SchemaName LINETYPE{"LINETYPE"};
inline constexpr SchemaName STARTDIST{"STARTDIST"};
inline constexpr SchemaName CIRCUS{"CIRCUS"};
inline constexpr SchemaName ComPort{"ComPort"};
inline constexpr SchemaName BaudRate{"BaudRate"};
inline constexpr SchemaName Protocol{"Protocol"};
inline constexpr SchemaName DataBit{"DataBit"};
inline constexpr SchemaName StopBit{"StopBit"};
inline constexpr SchemaName ParityBit{"ParityBit"};
inline constexpr SchemaName TABLENAME{"TABLENAME"};
inline constexpr SchemaName STATION{"STATION"};
inline constexpr SchemaName DN{"DN"};
inline constexpr SchemaName DE{"DE"};
inline constexpr SchemaName DZ{"DZ"};
inline constexpr SchemaName FLAG{"FLAG"};
inline constexpr SchemaName NAME{"NAME"};
inline constexpr SchemaName STATIONS{"STATIONS"};
inline constexpr SchemaName ANGLE{"ANGLE"};
inline constexpr SchemaName RELATIVE{"RELATIVE"};
inline constexpr SchemaName LENGTH{"LENGTH"};
inline constexpr SchemaName EPSG{"EPSG"};
inline constexpr SchemaName MERIDIAN{"MERIDIAN"};
inline constexpr SchemaName HEIGHT{"HEIGHT"};
inline constexpr SchemaName FALSEEASTING{"FALSEEASTING"};
inline constexpr SchemaName FALSENORTHING{"FALSENORTHING"};
inline constexpr SchemaName SCALE{"SCALE"};
inline constexpr SchemaName SIGMAN{"SIGMAN"};
inline constexpr SchemaName SIGMAE{"SIGMAE"};
inline constexpr SchemaName ELLA{"ELLA"};
inline constexpr SchemaName ELLB{"ELLB"};
inline constexpr SchemaName ELLAZ{"ELLAZ"};
inline constexpr SchemaName SIGMAZ{"SIGMAZ"};
inline constexpr SchemaName VN{"VN"};
inline constexpr SchemaName VE{"VE"};
inline constexpr SchemaName DIRECTION{"DIRECTION"};
inline constexpr SchemaName DISTMM{"DISTMM"};
inline constexpr SchemaName DISTPPM{"DISTPPM"};
inline constexpr SchemaName CENTRING{"CENTRING"};
inline constexpr SchemaName SIGMAP{"SIGMAP"};

// 520Meas keeps its values in DATA1 … DATA23.
constexpr int DataColumnCount = 23;
QString Data(int number);
} // namespace Col

namespace Schema
{
enum class ColumnType { Integer, Real, Text };

struct Column
{
    QString name;
    ColumnType type = ColumnType::Text;
};

struct Table
{
    QString name;
    QList<Column> columns;

    QStringList ColumnNames() const;
};

// Every table of the project database, in the order they are created.
const QList<Table>& Tables();
const Table* FindTable(const QString& name); // case-insensitive; nullptr when unknown

// Tables emptied at the end of every run of the desktop program.
const QStringList& ScratchTables();

// The lists a surveyor keeps by hand (points, codes, the alignment): what they lose when they
// are emptied or replaced is first copied to discarded/ beside the database.
const QStringList& HandKeptTables();

// "CREATE TABLE IF NOT EXISTS" statements for every table.
QStringList CreateStatements();
} // namespace Schema
