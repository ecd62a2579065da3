#pragma once

#include "core/link/transfer.h"

#include <QElapsedTimer>

// Prints a running transfer's progress to standard error about once a second:
// "received N bytes" or "sent N of M lines". Does nothing when not enabled.
class CProgressPrinter
{
public:
    explicit CProgressPrinter(bool enabled);
    ProgressSink Sink();

private:
    void Print(const TransferProgress& progress);

    bool m_enabled;
    QElapsedTimer m_sinceLast;
    bool m_printed = false;
};
