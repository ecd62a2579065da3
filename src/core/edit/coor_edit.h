#pragma once

#include "core/report/outcome.h"

#include <QString>

class CProjectStore;

// A point as typed in the coordinate dialog (or on the command line).
struct CoorFields
{
    QString name;
    QString north;
    QString east;
    QString height;
    QString code;
};

// Adds the point to CoorEdit as the next running number, marked as typed in by hand.
// Refused without writing anything when the name is empty, already listed, or a coordinate
// is no number. All of it lands in one transaction.
Outcome AddCoor(CProjectStore& store, const CoorFields& point);
// Sets north, east, height and code of every point with that name; the name itself stays.
Outcome EditCoor(CProjectStore& store, const CoorFields& point);

// A coordinate as stored: three decimals, from double precision (millimetres of grid
// coordinates in the millions survive).
QString FormatCoordinate(double value);
