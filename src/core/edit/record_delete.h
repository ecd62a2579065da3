#pragma once

#include "core/report/outcome.h"
#include "core/views/data_kind.h"

#include <QString>
#include <QStringList>

class CProjectStore;

// Whether the list of a kind is kept by hand (coordinates, codes, alignment).
bool IsEditableKind(DataKind kind);

// Whether `key` names rows of the kind's list: Done; InvalidNumber for an alignment key that is
// no whole number; NoSuchRecord when no row has it; Cancelled for kinds not kept by hand;
// DatabaseError when the store failed (it has said why). The desktop program checks before it
// asks the user to confirm a delete.
Outcome CheckDeleteKey(CProjectStore& store, DataKind kind, const QString& key);
// Deletes the rows of that key and numbers the rest 1, 2, 3 … The key is the point name or code
// number, or for the alignment the ID. Other kinds do nothing (Cancelled). Whoever calls it has
// asked the user already, if anyone is to be asked.
Outcome DeleteRecord(CProjectStore& store, DataKind kind, const QString& key);
// The same for several keys at once (the rows the user selected), in one transaction: every
// row of each key goes, then the rest are numbered 1, 2, 3 … once. A key that names no row any
// more is passed over; an alignment key that is no whole number refuses them all
// (InvalidNumber) and nothing is deleted.
Outcome DeleteRecords(CProjectStore& store, DataKind kind, const QStringList& keys);
// Empties the kind's table (a hand-kept list is copied to discarded/ first).
Outcome DeleteAllRecords(CProjectStore& store, DataKind kind);
