#pragma once

#include "core/download/download_worker.h"

#include <QThread>

#include <atomic>

// Runs one transfer off the user-interface thread. It works only on what it was given when
// it was made; when it has finished, Outcome() tells what happened (read it after finished()).
class CDownloadThread : public QThread
{
    Q_OBJECT
public:
    CDownloadThread(CProjectStore& store, CSerialPort& port, DownloadRequest request,
                    QObject* parent = nullptr);

    const DownloadRequest& Request() const { return m_request; }
    const DownloadOutcome& Outcome() const { return m_outcome; }
    // Ends the receiving at its next poll; a parse already running completes.
    void RequestStop() { m_stop = true; }

protected:
    void run() override;

private:
    CProjectStore& m_store;
    CSerialPort& m_port;
    const DownloadRequest m_request;
    std::atomic<bool> m_stop{false};
    DownloadOutcome m_outcome;
};
