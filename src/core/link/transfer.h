#pragma once

#include "core/link/byte_stream.h"
#include "core/report/outcome.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Where a running transfer stands: a download counts bytes and lines received, an upload
// lines sent of how many.
struct TransferProgress
{
    qint64 bytes = 0;
    int lines = 0;
    int total = 0;         // upload: lines to send; download: 0
    qint64 elapsedMs = 0;  // transfer time so far, as the transfer's own pauses count it
};

using ProgressSink = std::function<void(const TransferProgress&)>;

// The one result of a transfer (and of what the program did with what it received).
struct TransferResult
{
    enum class Direction { Download, Upload };
    Direction direction = Direction::Download;
    Status status = Status::Done;
    QByteArray received;   // download: every byte before EOT, also when it broke off
    int linesSent = 0;     // upload: lines that reached the port whole
    int linesTotal = 0;
    QString device;        // the port or device the transfer used, for its messages
    int port = 0;          // the settings' port number
    StreamError error;     // what the system said, when it said something
    QString timeoutText;   // the message of the receive loop that ran out
    QString detail;        // the message of a refusal decided before or after the transfer
    QString keptFile;      // download: the copy of the received bytes in downloads/
    int rows = 0;          // parsing download: records stored
};

// The message a result gives the user; the one place where a status becomes words.
UserMessage MessageOf(const TransferResult& result);
