#pragma once

#include "core/report/outcome.h"

#include <QString>

class CProjectStore;

// An alignment element as typed in the plane alignment dialog. Texts go to the store as
// typed, except that the start chainage (sorted by value) must be a number and, when
// editing, the sequence number must be a whole number.
struct AlignmentFields
{
    QString sequence; // the ID of the row to edit; not used when adding
    QString lineType;
    QString startDist;
    QString radius;
    QString north;
    QString east;
};

// Appends the element as the next running number, marked as typed in by hand.
Outcome AddAlignment(CProjectStore& store, const AlignmentFields& element);
// Changes the element with that sequence number; a number no row has changes nothing.
Outcome EditAlignment(CProjectStore& store, const AlignmentFields& element);
