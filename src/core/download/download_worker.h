#pragma once

#include "core/download/parse_outcome.h"
#include "core/views/data_kind.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <optional>

class CProjectStore;
class CSerialPort;

// What a transfer needs, copied when it starts: switching the list meanwhile changes nothing.
struct DownloadRequest
{
    DataKind dataKind = DataKind::None;      // chooses the receive loop and, for a parsing download, the parser
    int downloadType = 0;  // the version 2 record type (V2Record) for the kinds 21, 52001 to 52004
    bool raw = false;      // keep the bytes for a file instead of parsing them
    QString devicePath;    // empty: the port the settings name
};

enum class DownloadStatus { Received, PortNotOpened, TimedOut, Stopped };

struct DownloadOutcome
{
    DownloadStatus status = DownloadStatus::Received;
    QString message;     // what to tell the user for PortNotOpened and TimedOut
    QByteArray received; // the bytes before the end byte, exactly as they came
    std::optional<ParseOutcome> parse; // set when a parsing download ran a parser
};

// Empties the tables a parsing download of `kind` fills, before it starts receiving.
void PrepareParseDownload(CProjectStore& store, DataKind kind);

// One transfer: reads the serial settings, opens the port, receives until the end byte or
// the time-out, purges and closes the port and, unless raw, parses what came.
DownloadOutcome DownloadWorker(CProjectStore& store, CSerialPort& port, const DownloadRequest& request,
                               const std::atomic<bool>& stop);

// Hands a received text to its parser: the T5/T8 job parser for 74001; for the version 2 kinds
// (21, 52001 to 52004) the parser of the record kind at `downloadType`. Nothing for other kinds.
std::optional<ParseOutcome> FinishParse(CProjectStore& store, DataKind kind, int downloadType,
                                        const QByteArray& received);

// Saves a raw download byte for byte (a failed save leaves no half-written file).
bool SaveRawDownload(const QString& path, const QByteArray& received);
