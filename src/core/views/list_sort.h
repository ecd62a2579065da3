#pragma once

#include "core/views/data_kind.h"

#include <QtGlobal>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class CProjectStore;

// Told now and then while a sort runs: how much of the work is done, of how much.
using SortProgress = std::function<void(qint64 done, qint64 total)>;

// The rowids of a kind's rows in the order of one of its layout's columns, for display: cells
// that are numbers by their value ahead of the texts, which sort naturally (P2 before P10);
// descending the other way round; equal cells keep the stored order either way. A million rows
// take a second or two, so it can run on a thread of its own (with its own connection): it
// looks at `stop` between steps and gives up when it is raised. Nothing when it stopped, the
// column is not the layout's or the engine failed (reported).
std::optional<std::vector<qint64>> SortedRowids(CProjectStore& store, DataKind kind, int column, bool descending,
                                                const std::atomic<bool>* stop = nullptr,
                                                const SortProgress& progress = {});
