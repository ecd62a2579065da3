#pragma once

#include "core/download/parse_outcome.h"

#include <QString>

class CProjectStore;

using V2ParseOutcome = ParseOutcome; // a record's CoorEdit companion row is not counted apart

// Each parser appends the rows of one kind of version 2 text; the caller empties the tables
// first. Lines end with CR LF and every field with a comma; a line without a comma holds no
// record, text after the last CR LF is not read, a field a short line does not carry is
// stored empty. IDs count from 1 in every call. Each parse lands in one transaction.

// Measurement records into 520Meas (MARK named by the record code, mode and angle/distance
// fields named); records with a point also give a CoorEdit row, numbered on their own.
V2ParseOutcome ParseV2Meas(CProjectStore& store, const QString& text);
// "C" coordinate records into CoorEdit; lines with another code are skipped.
V2ParseOutcome ParseV2Coor(CProjectStore& store, const QString& text);
// Road stake-out records into 520RoadStake, each with its stake point in CoorEdit.
V2ParseOutcome ParseV2RoadStake(CProjectStore& store, const QString& text);
// Cross-section records into 520BreakerSur.
V2ParseOutcome ParseV2XSect(CProjectStore& store, const QString& text);
// Plane alignment elements into 520SurLine.
V2ParseOutcome ParseV2SurfaceLine(CProjectStore& store, const QString& text);
