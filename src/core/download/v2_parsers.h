#pragma once

#include "core/download/parsed_job.h"

#include <QString>

// Each parser turns one kind of version 2 text into rows. Lines end with CR LF and every field
// with a comma; a line without a comma holds no record, text after the last CR LF is not
// read, a field a short line does not carry is stored empty. IDs count from 1 in every call.

// Measurement records into 520Meas (MARK named by the record code, mode and angle/distance
// fields named); records with a point also give a CoorEdit row, numbered on their own.
ParsedJob ParseV2Meas(const QString& text);
// "C" coordinate records into CoorEdit; lines with another code are skipped.
ParsedJob ParseV2Coor(const QString& text);
// Road stake-out records into 520RoadStake, each with its stake point in CoorEdit.
ParsedJob ParseV2RoadStake(const QString& text);
// Cross-section records into 520BreakerSur.
ParsedJob ParseV2XSect(const QString& text);
// Plane alignment elements into 520SurLine.
ParsedJob ParseV2SurfaceLine(const QString& text);

// The same parses fed line by line, for imports of any size.
std::unique_ptr<IJobParse> V2MeasParse();
std::unique_ptr<IJobParse> V2CoorParse();
std::unique_ptr<IJobParse> V2RoadStakeParse();
std::unique_ptr<IJobParse> V2XSectParse();
std::unique_ptr<IJobParse> V2SurfaceLineParse();
