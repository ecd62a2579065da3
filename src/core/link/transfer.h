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

// Which wait of a transfer ran out: the first answer of the instrument, or the data.
enum class Silence { Data, Connection };

// The result of a transfer (and of what the program did with what it received): the one result
// of the core, with what the transfer carried and what its words need.
struct TransferResult : Outcome
{
    enum class Direction { Download, Upload };
    Direction direction = Direction::Download;
    QByteArray received;   // download: every byte before EOT, also when it broke off
    int linesSent = 0;     // upload: lines that reached the port whole
    int linesTotal = 0;
    QString device;        // the port or device the transfer used, for its messages
    int port = 0;          // the settings' port number
    StreamError error;     // what the system said, when it said something
    Silence silence = Silence::Data; // TimedOut: which wait ran out
    QString keptFile;      // download: the copy of the received bytes in downloads/
    int rows = 0;          // parsing download: records stored
};

