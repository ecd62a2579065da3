#include "core/download/download_job.h"

#include "core/download/job_writer.h"
#include "core/download/meas_parser.h"
#include "core/download/receive_loop.h"
#include "core/download/received_copy.h"
#include "core/download/v2_records.h"
#include "core/text/gbk_conversion.h"
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/views/data_kind.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

TransferResult ReceiveDownload(IByteStream& stream, const DownloadRequest& request, const std::atomic<bool>& stop,
                               const ProgressSink& progress)
{
    TransferResult result;
    result.port = request.config.comPort;
    result.device = request.devicePath;
    std::optional<CReceivedCopy> copy;
    if (!request.keepBeside.isEmpty())
        copy.emplace(request.keepBeside, request.instrument);
    if (stop)
    {
        result.status = Status::Cancelled;
        return result;
    }
    result.error = OpenPort(stream, request.config, request.devicePath);
    if (result.error.IsError())
    {
        result.status = Status::PortNotOpened;
        return result;
    }

    const std::optional<ReceiveLoop> loop = LoopForKind(request.dataKind);
    ReceiveResult received;
    if (loop && copy)
        received = ReceiveUntilEot(stream, *loop, stop, progress, [&copy](QByteArrayView bytes) { copy->Append(bytes); });
    else if (loop)
        received = ReceiveUntilEot(stream, *loop, stop, progress);
    stream.Purge();
    stream.Close();
    if (copy)
        result.keptFile = copy->Path(); // empty when the copy failed: FinishDownload tries once more

    result.received = received.text;
    result.status = received.status;
    if (received.status == Status::TimedOut)
        result.silence = loop->silence;
    result.error = received.error;
    return result;
}

ParsedJob ParseReceived(DataKind kind, int downloadType, const QByteArray& received)
{
    const QString text = DecodeGbk(received);
    if (kind == DataKind::Meas)
        return ParseMeasJob(text);
    const std::optional<V2Record> record = V2RecordAt(downloadType);
    if (record && V2RecordOfKind(kind))
        return ParseV2(*record, text);
    return {};
}

TransferResult FinishDownload(CProjectStore& store, const DownloadRequest& request, TransferResult result)
{
    if (!result.received.isEmpty() && result.keptFile.isEmpty())
    {
        const KeptCopy copy = KeepReceivedBytes(store.DatabasePath(), request.instrument, result.received);
        result.keptFile = copy.path;
        if (!copy.error.isEmpty())
            store.Reporter().Message(copy.error);
    }
    if (result.status != Status::Done || request.raw || !LoopForKind(request.dataKind))
        return result;

    const ParsedJob job = ParseReceived(request.dataKind, request.downloadType, result.received);
    // Text that gives no record is no job: the stored one stays.
    if (job.records == 0)
    {
        result.status = Status::NoRecords;
        return result;
    }
    if (const Outcome stored = StoreParsedJob(store, job); !stored.Succeeded())
    {
        result.status = stored.status;
        return result;
    }
    result.rows = job.records;
    return result;
}

Outcome SaveRawDownload(const QString& path, const QByteArray& received)
{
    const Outcome unwritten{Status::FileNotWritable};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return unwritten;
    if (file.write(received) != received.size())
    {
        file.cancelWriting();
        return unwritten;
    }
    return file.commit() ? Outcome() : unwritten;
}

bool CanWriteRawTarget(const QString& path)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QFile file(path);
    const bool existed = file.exists();
    // Append: an existing file is opened without losing a byte of it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    file.close();
    if (!existed)
        file.remove();
    return true;
}
