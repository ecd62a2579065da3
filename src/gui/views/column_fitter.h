#pragma once

#include "core/views/data_kind.h"
#include "gui/shell/kept_messages.h"
#include "gui/shell/worker.h"

#include <QStringList>

// Finds the longest text of each column of a list (core/views/longest_cells.h) on a worker of
// its own, with its own connection to the project file: the list shows at once, fitted to its
// first rows, and widens when the answer comes.
class CColumnFitter : public CWorker
{
    Q_OBJECT
public:
    using CWorker::CWorker;
    ~CColumnFitter() override;

    void Start(const QString& databasePath, DataKind kind);

signals:
    // The longest text of each column in layout order; none when the store failed.
    void Found(const QStringList& longest, const KeptMessageList& messages);
};
