#pragma once

#include "core/download/parse_outcome.h"

#include <QString>

class CProjectStore;

// What a parse of a measurement job did.
struct MeasParseOutcome : ParseOutcome
{
    bool rebuiltCoor = false; // CoorEdit now holds the job's coordinates
};

// A job as the instrument sends it over the link: lines ended by CR LF, the last field of a
// line running to its end. Appends one 740Meas row per recognised line (the caller empties
// the table first if it wants only this job) and then rebuilds CoorEdit from every 740Meas
// row with both plane coordinates. Text after the last CR LF is not read; an empty text
// changes nothing. Everything lands in one transaction.
MeasParseOutcome ParseMeasJob(CProjectStore& store, const QString& text);

// The same for a saved job file, whose lines end every field with a comma, carry the code
// last and count angles in half arc-seconds.
MeasParseOutcome ParseMeasJobFile(CProjectStore& store, const QString& text);
