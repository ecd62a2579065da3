#pragma once

#include "core/link/com_config.h"
#include "core/upload/upload_outcome.h"
#include "core/views/data_kind.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>

class CProjectStore;
class CSerialPort;
class IReporter;

// What one upload needs, copied when it starts: the worker reads no shared state.
struct UploadRequest
{
    DataKind kind = DataKind::None;     // 74002 paced, 52000 handshake; any other sends nothing
    int category = 0; // handshake only: 0 points, 1 plane alignment
    ComConfig config;
    QString devicePath; // empty: the port that config.comPort names
};

// Opens the port, sends `lines` with the protocol of `request.kind`, ends with EOT, and closes
// the port. Returns as soon as `stop` is seen set, without touching the port or telling the
// user anything: whoever stops an upload closes the port (CancelUpload).
UploadOutcome SendUpload(CSerialPort& port, const UploadRequest& request, const QList<QByteArray>& lines,
                         const std::atomic<bool>& stop, IReporter& reporter);

// Reads the rows (BuildUploadLines) and sends them: the whole upload for a caller without a window.
UploadOutcome RunUpload(CProjectStore& store, CSerialPort& port, const UploadRequest& request,
                        const std::atomic<bool>& stop, IReporter& reporter);

// The user's Cancel: tells the instrument the transfer is over (EOT), gives the byte 20 ms on
// the wire, then purges and closes the port. Set the upload's stop flag first.
void CancelUpload(CSerialPort& port);

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
