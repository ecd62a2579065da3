#pragma once

#include "core/views/data_kind.h"
#include "gui/shell/kept_messages.h"
#include "gui/shell/worker.h"

#include <memory>
#include <vector>

// The rows of the list sorted by a column (core/views/list_sort.h) on a worker of its own, with
// its own connection to the project file: a million rows take seconds, and the window stays
// usable meanwhile. It tells how far it got now and then, and ends with one result unless it
// was cancelled.
class CListSorter : public CWorker
{
    Q_OBJECT
public:
    using CWorker::CWorker;
    ~CListSorter() override;

    void Start(const QString& databasePath, DataKind kind, int column, bool descending);

    // The rowids in their new order, or nothing when the engine failed (what it said is kept).
    struct Result
    {
        std::shared_ptr<std::vector<qint64>> rowids;
        KeptMessageList messages;
    };

signals:
    void Progress(qint64 done, qint64 total);
    void Sorted(const CListSorter::Result& result);
};
