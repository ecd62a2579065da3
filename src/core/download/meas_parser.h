#pragma once

#include "core/download/parsed_job.h"

#include <QString>

// A job as the instrument sends it over the link: lines ended by CR LF, the last field of a
// line running to its end. One 740Meas row per recognised line; CoorEdit then holds every
// row with both plane coordinates (ID kept, attribute "T5(T8)_COOR"). Text after the last
// CR LF is not read; an empty text gives no rows and replaces nothing.
ParsedJob ParseMeasJob(const QString& text);

// The same for a saved job file, whose lines end every field with a comma, carry the code
// last and count angles in half arc-seconds.
ParsedJob ParseMeasJobFile(const QString& text);

// The job file's parse fed line by line, for imports of any size.
std::unique_ptr<IJobParse> MeasJobFileParse();
