#include "core/download/download_worker.h"

#include "core/download/meas_parser.h"
#include "core/download/receive_loop.h"
#include "core/download/v2_records.h"
#include "core/link/com_config.h"
#include "core/link/link_texts.h"
#include "core/link/serial_port.h"
#include "core/store/project_store.h"
#include "core/views/data_kind.h"

#include <QSaveFile>
#include <QStringDecoder>

void PrepareParseDownload(CProjectStore& store, DataKind kind)
{
    if (kind == DataKind::Meas)
        store.ExecuteSql(QStringLiteral("delete from 740Meas"));
    else if (const std::optional<V2Record> record = V2RecordOfKind(kind))
        ClearV2Tables(store, *record);
}

DownloadOutcome DownloadWorker(CProjectStore& store, CSerialPort& port, const DownloadRequest& request,
                               const std::atomic<bool>& stop)
{
    DownloadOutcome outcome;
    const ComConfig config = ReadComConfig(store);
    if (!OpenPort(port, config, request.devicePath))
    {
        outcome.status = DownloadStatus::PortNotOpened;
        outcome.message = LinkTexts::PortUnavailable(config.comPort, request.devicePath);
        return outcome;
    }

    ReceiveResult result;
    const std::optional<ReceiveLoop> loop = LoopForKind(request.dataKind);
    if (loop)
        result = ReceiveUntilEot(port, *loop, stop);
    port.Purge();
    port.Close();

    switch (result.status)
    {
    case ReceiveStatus::TimedOut:
        outcome.status = DownloadStatus::TimedOut;
        outcome.message = loop->timeoutMessage;
        return outcome;
    case ReceiveStatus::Stopped: outcome.status = DownloadStatus::Stopped; return outcome;
    case ReceiveStatus::Done: break;
    }
    outcome.received = result.text;
    if (!request.raw)
        outcome.parse = FinishParse(store, request.dataKind, request.downloadType, outcome.received);
    return outcome;
}

std::optional<ParseOutcome> FinishParse(CProjectStore& store, DataKind kind, int downloadType,
                                        const QByteArray& received)
{
    QStringDecoder decode("GBK");
    const QString text = decode(received);
    if (kind == DataKind::Meas)
        return ParseMeasJob(store, text);
    const std::optional<V2Record> record = V2RecordAt(downloadType);
    if (record && V2RecordOfKind(kind))
        return ParseV2(store, *record, text);
    return std::nullopt;
}

bool SaveRawDownload(const QString& path, const QByteArray& received)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(received) != received.size())
    {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
