#pragma once

#include <QList>

// The eight column orders of a coordinate line, as list columns of the coordinate layout:
// 0 the running number (SN), 2 the point name (PT#), 3 north, 4 east, 5 height, 6 the code.
// The import places field i of a line in column CoordinateFormat(f)[i]; the export writes
// the cells of those columns in that order.
namespace CoorColumn
{
constexpr int Number = 0;
constexpr int Attr = 1;
constexpr int Name = 2;
constexpr int North = 3;
constexpr int East = 4;
constexpr int Height = 5;
constexpr int Code = 6;
constexpr int Count = 7;
} // namespace CoorColumn

constexpr int CoordinateFormatCount = 8;

// The columns of format `index` (0 to 7); format 0 for an index out of range.
const QList<int>& CoordinateFormat(int index);
