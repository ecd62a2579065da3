#pragma once

#include "core/link/com_config.h"
#include "core/link/transfer.h"
#include "core/views/data_kind.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>

// What one upload needs, copied when it starts: the worker reads no shared state.
struct UploadRequest
{
    DataKind kind = DataKind::None;     // 74002 paced, 52000 handshake; any other sends nothing
    int category = 0; // handshake only: 0 points, 1 plane alignment
    ComConfig config;
    QString devicePath; // empty: the port that config.comPort names
};

// The transfer, on whatever thread runs it: opens the stream, sends `lines` with the protocol
// of `request.kind`, ends with EOT and closes the stream. When `stop` is seen set it sends EOT,
// gives it a moment on the wire, purges and closes, all within one poll; a hang-up ends it at
// once with nothing more sent. `progress` hears of every line that reached the port.
TransferResult SendUpload(IByteStream& stream, const UploadRequest& request, const QList<QByteArray>& lines,
                          const std::atomic<bool>& stop, const ProgressSink& progress = {});

// The result of an upload refused before the port was touched (a row that cannot be sent).
TransferResult RefusedUpload(const Outcome& refusal);

// The pauses of the protocols, in milliseconds.
namespace UploadTiming
{
constexpr int PacedLinePause = 100;    // after each line without handshake
constexpr int AcceptedLinePause = 100; // after DC1 accepted a line
constexpr int StopPause = 200;         // after a DC3 at the end of a paced upload
constexpr int PollInterval = 10;
constexpr int PollLimit = 401;         // silent polls before "Wait Timeout"
constexpr int EotSettle = 20;          // after EOT, before the closing purge
} // namespace UploadTiming
