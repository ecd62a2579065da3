#include "core/download/meas_layout.h"

#include "core/store/schema.h"

namespace MeasLayout
{
namespace
{
enum Column { SN, NCOOR, ECOOR, ZCOOR, CODE, PH, PA, HD, IH, HA, VA, SD, NOTES };

Field Plain(Column column)
{
    return {column};
}
Field Trimmed(Column column)
{
    return {column, true};
}
Field Angle(Column column)
{
    return {column, false, true};
}

// The link and the file variant name the same columns per kind; the file variant moves
// the code last, swaps the angles of a "Dist" line and converts its angles.
const QList<Record>& LinkRecords()
{
    static const QList<Record> records = {
        {"A", "Input-Coor", {Plain(SN), Plain(NCOOR), Plain(ECOOR), Trimmed(ZCOOR)}},
        {"B", "Measure-Coor", {Plain(SN), Plain(CODE), Plain(NCOOR), Plain(ECOOR), Plain(ZCOOR), Trimmed(PH)}},
        {"L", "Backsight-Coor",
         {Plain(SN), Plain(NCOOR), Plain(ECOOR), Plain(ZCOOR), Plain(PA), Plain(PH), Trimmed(HD)}},
        {"C", "Station", {Plain(SN), Plain(CODE), Plain(NCOOR), Plain(ECOOR), Plain(ZCOOR), Trimmed(IH)}},
        {"D", "Angle", {Plain(SN), Plain(CODE), Plain(VA), Plain(HA), Trimmed(PH)}},
        {"K", "Backsight Angle",
         {Plain(SN), Plain(NCOOR), Plain(ECOOR), Plain(ZCOOR), Plain(PA), Plain(PH), Trimmed(HD)}},
        {"E", "Dist", {Plain(SN), Plain(CODE), Plain(VA), Plain(HA), Plain(PH), Trimmed(SD)}},
        {"F", "Note", {Trimmed(NOTES)}, true},
    };
    return records;
}

const QList<Record>& FileRecords()
{
    static const QList<Record> records = {
        {"A", "Input-Coor", {Plain(SN), Plain(NCOOR), Plain(ECOOR), Trimmed(ZCOOR)}},
        {"B", "Measure-Coor", {Plain(SN), Plain(NCOOR), Plain(ECOOR), Plain(ZCOOR), Trimmed(PH), Plain(CODE)}},
        {"L", "Backsight-Coor",
         {Plain(SN), Plain(NCOOR), Plain(ECOOR), Plain(ZCOOR), Angle(PA), Plain(PH), Trimmed(HD)}},
        {"C", "Station", {Plain(SN), Plain(NCOOR), Plain(ECOOR), Plain(ZCOOR), Trimmed(IH), Plain(CODE)}},
        {"D", "Angle", {Plain(SN), Angle(VA), Angle(HA), Trimmed(PH), Plain(CODE)}},
        {"K", "Backsight Angle",
         {Plain(SN), Plain(NCOOR), Plain(ECOOR), Plain(ZCOOR), Angle(PA), Plain(PH), Trimmed(HD)}},
        {"E", "Dist", {Plain(SN), Angle(HA), Angle(VA), Plain(PH), Plain(CODE), Trimmed(SD)}},
        {"F", "Note", {Trimmed(NOTES)}, true},
    };
    return records;
}
} // namespace

const QStringList& ValueColumns()
{
    // In the order of the Column positions above.
    static const QStringList columns = {Col::SN, Col::NCOOR, Col::ECOOR, Col::ZCOOR, Col::CODE, Col::PH, Col::PA,
                                        Col::HD, Col::IH, Col::HA, Col::VA, Col::SD, Col::NOTES};
    return columns;
}

const Record* Find(Variant variant, const QString& code)
{
    for (const Record& record : variant == Variant::Link ? LinkRecords() : FileRecords())
        if (record.code == code)
            return &record;
    return nullptr;
}

int SnColumn()
{
    return SN;
}

int IhColumn()
{
    return IH;
}

int NorthColumn()
{
    return NCOOR;
}

int EastColumn()
{
    return ECOOR;
}

int HeightColumn()
{
    return ZCOOR;
}

int CodeColumn()
{
    return CODE;
}
} // namespace MeasLayout
