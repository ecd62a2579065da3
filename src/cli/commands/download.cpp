#include "commands/download.h"

#include "arguments.h"
#include "cli_reporter.h"
#include "commands.h"
#include "commands/record_option.h"
#include "core/download/download_texts.h"
#include "core/download/download_worker.h"
#include "core/link/serial_port.h"
#include "core/views/data_kind.h"

int RunDownload(CliContext& context, const QStringList& arguments)
{
    const ParsedArguments parsed = ParseArguments(
        arguments, {QStringLiteral("instrument"), QStringLiteral("raw"), QStringLiteral("device"),
                    QStringLiteral("record")});
    if (!parsed.error.isEmpty())
        return UsageError(parsed.error, DownloadUsage);
    if (!parsed.positional.isEmpty())
        return UsageError(QStringLiteral("unexpected %1").arg(parsed.positional.first()), DownloadUsage);
    const QString instrument = parsed.Value(QStringLiteral("instrument"));
    const bool versionTwo = instrument == QLatin1String("v2");
    if (instrument != QLatin1String("t5") && instrument != QLatin1String("t8") && !versionTwo)
        return UsageError(instrument.isEmpty() ? QStringLiteral("--instrument is needed")
                                               : QStringLiteral("unknown instrument %1").arg(instrument),
                          DownloadUsage);
    const RecordOption record = ParseRecordOption(parsed, versionTwo);
    if (!record.problem.isEmpty())
        return UsageError(record.problem, DownloadUsage);

    DownloadRequest request;
    request.dataKind = record.record ? KindOfV2Record(*record.record) : DataKind::Meas;
    request.downloadType = record.record ? int(*record.record) : 0;
    request.raw = parsed.Has(QStringLiteral("raw"));
    request.devicePath = parsed.Value(QStringLiteral("device"));
    if (!request.raw)
        PrepareParseDownload(context.store, request.dataKind);

    CSerialPort port;
    const std::atomic<bool> stop{false};
    const DownloadOutcome outcome = DownloadWorker(context.store, port, request, stop);
    switch (outcome.status)
    {
    case DownloadStatus::PortNotOpened:
        context.reporter.Message(outcome.message, MessageIcon::Exclamation);
        return ExitStatus::Failure;
    case DownloadStatus::TimedOut:
        context.reporter.Message(outcome.message, MessageIcon::None);
        return ExitStatus::Failure;
    case DownloadStatus::Stopped: return ExitStatus::Failure;
    case DownloadStatus::Received: break;
    }
    if (request.raw && !SaveRawDownload(parsed.Value(QStringLiteral("raw")), outcome.received))
    {
        context.reporter.Message(DownloadTexts::OpenFileFailed, MessageIcon::Exclamation);
        return ExitStatus::Failure;
    }
    return context.reporter.FailureReported() ? ExitStatus::Failure : ExitStatus::Success;
}
