#pragma once

#include <QList>

// The eight column orders of a coordinate line, as list columns of the coordinate layout:
// 0 the running number (SN), 2 the point name (PT#), 3 north, 4 east, 5 height, 6 the code.
// The import places field i of a line in column CoordinateFormat(f)[i]; the export writes
// the cells of those columns in that order.
namespace CoorColumn
{
// Plain numbers: they index the list's cells.
enum : int
{
    Number,
    Attr,
    Name,
    North,
    East,
    Height,
    Code,
    Count
};
} // namespace CoorColumn

constexpr int CoordinateFormatCount = 8;

// The columns of format `index` (0 to 7); format 0 for an index out of range.
const QList<int>& CoordinateFormat(int index);
