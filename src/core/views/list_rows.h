#pragma once

#include "core/views/data_kind.h"

#include <QList>
#include <QStringList>

class CProjectStore;

// The cell texts of a kind's list, one string list per row in list order: the stored texts
// as read, trimmed where the layout says so. The list view, the exports and the command line
// all show exactly these. A failed query has already been reported and gives no rows.
QList<QStringList> ReadListRows(CProjectStore& store, DataKind kind);

// The captions of a kind's layout, in column order.
QStringList ListCaptionsOf(DataKind kind);
