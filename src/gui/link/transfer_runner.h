#pragma once

#include "core/link/transfer.h"
#include "gui/shell/worker.h"

#include <functional>

// Runs one transfer on a worker that owns its serial port from open to close: progress while
// it runs, one result at the end.
class CTransferRunner : public CWorker
{
    Q_OBJECT
public:
    using Job = std::function<TransferResult(IByteStream& stream, const std::atomic<bool>& stop,
                                             const ProgressSink& progress)>;

    // `streams` makes the worker's line; empty: a serial port.
    CTransferRunner(QObject* parent, StreamFactory streams);
    ~CTransferRunner() override; // only at the program's end can a transfer still run: it is stopped

    void Start(Job job);

signals:
    void Progressed(const TransferProgress& progress);
    void Finished(const TransferResult& result);

private:
    StreamFactory m_streams;
};
