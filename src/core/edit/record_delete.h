#pragma once

#include "core/report/outcome.h"
#include "core/views/data_kind.h"

#include <QString>

class CProjectStore;
class IReporter;

// Whether the list of a kind is kept by hand (coordinates, codes, alignment).
bool IsEditableKind(DataKind kind);

// Asks "Delete <key> ?" and, on OK, deletes the rows of that key and numbers the rest
// 1, 2, 3 … The key is the point name or code number, or for the alignment the ID.
// Other kinds do nothing.
Outcome DeleteRecord(CProjectStore& store, DataKind kind, const QString& key, IReporter& asker);
// Asks "Delete All Records?" once and, on OK, empties the kind's table (its rows copied to
// discarded/ first).
Outcome DeleteAllRecords(CProjectStore& store, DataKind kind, IReporter& asker);
