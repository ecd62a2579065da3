#pragma once

#include "core/compute/polar.h"
#include "core/compute/traverse.h"
#include "core/report/outcome.h"

#include <QList>
#include <QString>

class CProjectStore;

// Where computations meet the project: their inputs read from it, their results stored in it.

// Known points from the coordinate list (CoorEdit): every row with a name and numeric N and E.
Outcome ReadKnownFromList(CProjectStore& store, QList<KnownPoint>& known);

// Known points from a coordinate file in format 1 (PT,N,E,Z,CODE, no header, GBK or UTF-8 with
// a byte-order mark). Lines without a name or numeric N and E are passed over. Ends Done,
// FileNotReadable or NotText.
Outcome ReadKnownFromFile(const QString& path, QList<KnownPoint>& known);

// Replaces CalcCoor with the recomputed points, in one transaction: coordinates with 4 decimals,
// differences in millimetres with 1, empty where absent. Ends Done or DatabaseError (the store
// has said why; CalcCoor is as it was).
Outcome StoreComputedPoints(CProjectStore& store, const PolarResult& result);

// Replaces TravCoor with the traverse's stations in the route's order (a loop's start again at
// its end), in one transaction: coordinates with 4
// decimals, the corrections carried to each in millimetres with 1 (empty for an open traverse).
// Ends Done or DatabaseError (the store has said why; TravCoor is as it was).
Outcome StoreTraverse(CProjectStore& store, const TraverseResult& result);

// Copies a table of results that has the coordinate list's columns (ID, ATTR, SN, NCOOR, ECOOR,
// ZCOOR, CODE) into the list, which it replaces; the old list goes to discarded/ first. All of
// it in one transaction.
Outcome CopyResultsToList(CProjectStore& store, const QString& table);
// Copies CalcCoor into the coordinate list (which it replaces), for export, the card and upload.
Outcome CopyComputedToList(CProjectStore& store);

// The project's traverse grades. A project without any is given the grades of GB 50026 first.
Outcome ReadTraverseGrades(CProjectStore& store, QList<TraverseGrade>& grades);

// Replaces the project's traverse grades, strictest first as given, in one transaction. Each
// grade needs a name of its own and limits above 0 for fβ and K; the station count and the
// length may be 0 (no limit). Ends Done, BadRow naming the first grade refused (nothing
// changed), or DatabaseError (the store has said why).
Outcome StoreTraverseGrades(CProjectStore& store, const QList<TraverseGrade>& grades);
