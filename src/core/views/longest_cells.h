#pragma once

#include "core/views/data_kind.h"

#include <QStringList>

#include <atomic>

class CProjectStore;

// The longest text each column of a kind's list holds, as the list shows it (trimmed where
// the layout says so), for fitting the columns to the widest value rather than to the first
// rows. Each column is a pass over the table, so a million rows are for a worker. Empty when
// `stop` was raised or the store failed (reported); an empty text for an empty column.
QStringList LongestCells(CProjectStore& store, DataKind kind, const std::atomic<bool>* stop = nullptr);
