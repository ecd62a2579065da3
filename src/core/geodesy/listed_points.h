#pragma once

#include "core/report/outcome.h"

#include <QByteArray>
#include <QString>

#include <vector>

class CProjectStore;

// The point list (CoorEdit) as a transformation takes it: every row with its stored texts, and
// the positions of the rows whose north and east are numbers in arrays PROJ can run over.
struct ListedPoints
{
    struct Row
    {
        qint64 id = 0;
        QByteArray attr, name, north, east, height, code; // as stored (UTF-8)
    };
    std::vector<Row> rows;      // in list order
    std::vector<size_t> placed; // the rows whose north and east are numbers
    std::vector<double> north, east, height; // of the placed rows, in their order (height 0 when none)
    std::vector<bool> hasHeight;             // of the placed rows: the height is a number
    bool readFailed = false;                 // the store could not be read (it has said why)

    int Skipped() const { return int(rows.size() - placed.size()); }
};

ListedPoints ReadListedPoints(CProjectStore& store);

// A number with `decimals` decimals, as the list and the files write it ("-12.340").
QByteArray FixedText(double value, int decimals);

// How a changed list is stored: the decimals of north and east (three for metres, nine for
// degrees) and whether the heights changed too.
struct StoredForm
{
    int decimals = 3;
    bool heights = false;
};

// Replaces the list with the rows, the placed ones taking the changed positions, every other
// text as it was; in one transaction (the caller may hold an outer one). Done or DatabaseError
// (the list as it was).
Outcome ReplaceListedPoints(CProjectStore& store, const ListedPoints& points, const StoredForm& form);

// Done, telling how many rows were left as they were because their coordinates are no number.
Outcome PointsTransformed(const ListedPoints& points);
