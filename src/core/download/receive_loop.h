#pragma once

#include "core/link/byte_stream.h"
#include "core/link/transfer.h"
#include "core/views/data_kind.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

// How a download polls the port: the chunk it asks for, the pause after each poll, how many
// empty polls in a row it waits (for the first byte as for a silence in the middle) and which
// wait it reports when they run out.
struct ReceiveLoop
{
    int chunkSize;
    int pauseMs;
    int idleLimit;
    Silence silence;
};

ReceiveLoop RecordLoop();      // coordinates and the version 2 records
ReceiveLoop MeasurementLoop(); // T5/T8 measurement jobs
// The loop that receives a data kind; nothing for kinds that receive nothing.
std::optional<ReceiveLoop> LoopForKind(DataKind kind);

struct ReceiveResult
{
    Status status = Status::Done; // Done, TimedOut, Cancelled (stopped) or HungUp
    QByteArray text;   // everything received before the end byte (EOT), also when it broke off
    StreamError error; // HungUp: what the line said
};

// Collects bytes until the EOT that follows the first data. Zero bytes are dropped (the
// instrument pads with them); an EOT before any data means nothing; the bytes after the
// ending EOT are not kept. `stop` ends the loop at its next poll, a hang-up at once.
// `progress` hears of every poll that brought data; `keep` gets each poll's kept bytes as
// they arrive, before the loop goes on.
using ReceivedBytesSink = std::function<void(QByteArrayView)>;
ReceiveResult ReceiveUntilEot(IByteStream& stream, const ReceiveLoop& loop, const std::atomic<bool>& stop,
                              const ProgressSink& progress = {}, const ReceivedBytesSink& keep = {});
