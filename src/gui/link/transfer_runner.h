#pragma once

#include "core/link/transfer.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

// Runs one transfer on a worker thread that owns its serial port from open to close. The
// window hears of it only through queued signals: progress while it runs, one result at the
// end. Cancel only raises the flag; the worker ends within one poll. The runner deletes itself
// once the worker is done, so a dialog may go at any moment without waiting for it.
class CTransferRunner : public QObject
{
    Q_OBJECT
public:
    using Job = std::function<TransferResult(IByteStream& stream, const std::atomic<bool>& stop,
                                             const ProgressSink& progress)>;

    // `streams` makes the worker's line; empty: a serial port.
    CTransferRunner(QObject* parent, StreamFactory streams);
    ~CTransferRunner() override; // only at the program's end can a worker still run: it is stopped

    void Start(Job job);
    void Cancel();

signals:
    void Progressed(const TransferProgress& progress);
    void Finished(const TransferResult& result);

private:
    StreamFactory m_streams;
    QThread* m_thread = nullptr;
    std::atomic<bool> m_stop{false};
};

class CMerionApp;

// A runner for the one transfer the serial port carries at a time: nullptr, after telling the
// user, while another transfer holds the port.
CTransferRunner* ClaimPortForTransfer(CMerionApp& app);
