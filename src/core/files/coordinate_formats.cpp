#include "core/files/coordinate_formats.h"

const QList<int>& CoordinateFormat(int index)
{
    using namespace CoorColumn;
    static const QList<QList<int>> formats = {
        {Name, North, East, Height, Code},           // PT#,N,E,Z,PCODE
        {Name, East, North, Height, Code},           // PT#,E,N,Z,PCODE
        {Name, Code, North, East, Height},           // PT#,PCODE,N,E,Z
        {Name, Code, East, North, Height},           // PT#,PCODE,E,N,Z
        {Number, Name, Code, North, East, Height},   // SN,PT#,PCODE,N,E,Z
        {Number, Name, Code, East, North, Height},   // SN,PT#,PCODE,E,N,Z
        {Number, Name, North, East, Height, Code},   // SN,PT#,N,E,Z,PCODE
        {Number, Name, East, North, Height, Code},   // SN,PT#,E,N,Z,PCODE
    };
    return formats[index < 0 || index >= formats.size() ? 0 : index];
}
