#pragma once

#include "core/download/parsed_job.h"
#include "core/link/com_config.h"
#include "core/link/transfer.h"
#include "core/views/data_kind.h"

#include <QByteArray>
#include <QString>

#include <atomic>

class CProjectStore;

// What a download needs, copied when it starts: switching the list meanwhile changes nothing.
struct DownloadRequest
{
    DataKind dataKind = DataKind::None; // chooses the receive loop and, for a parsing download, the parser
    int downloadType = 0; // the version 2 record type (V2Record) for the kinds 21, 52001 to 52004
    bool raw = false;     // keep the bytes for a file instead of parsing them
    QString instrument;   // t5, t8 or v2: names the copy kept in downloads/
    ComConfig config;
    QString devicePath;   // empty: the port the settings name
    // The database beside which downloads/ keeps the bytes as they arrive; empty: they are
    // kept by FinishDownload once the transfer is over.
    QString keepBeside;
};

// The transfer, on whatever thread runs it: opens the stream, receives until the end byte, a
// time-out, a hang-up or `stop`, then purges and closes the stream. Touches nothing else but
// the copy in downloads/ that request.keepBeside asks for.
TransferResult ReceiveDownload(IByteStream& stream, const DownloadRequest& request, const std::atomic<bool>& stop,
                               const ProgressSink& progress = {});

// What the program does with a transfer's bytes, on the thread that owns the store: keeps
// every received byte in downloads/ beside the database (also after a time-out, a hang-up or a
// cancel) unless the transfer kept them already, then, for a parsing download that completed, replaces the tables with the parsed
// job in one transaction. A text that holds no record replaces nothing.
TransferResult FinishDownload(CProjectStore& store, const DownloadRequest& request, TransferResult result);

// The parse of a received text by data kind: the T5/T8 job parser for 74001, for the version 2
// kinds (21, 52001 to 52004) the parser of the record kind at `downloadType`.
ParsedJob ParseReceived(DataKind kind, int downloadType, const QByteArray& received);

// Saves a raw download byte for byte (a failed save leaves no half-written file:
// FileNotWritable).
Outcome SaveRawDownload(const QString& path, const QByteArray& received);
// Whether a raw download could be saved at `path`, asked before the transfer starts; leaves
// no file behind.
bool CanWriteRawTarget(const QString& path);
