#include "commands/download.h"

#include "arguments.h"
#include "cli_reporter.h"
#include "commands.h"
#include "commands/record_option.h"
#include "core/download/download_texts.h"
#include "commands/progress_printer.h"
#include "result_report.h"
#include "stop_signal.h"
#include "core/download/download_job.h"
#include "core/link/serial_port.h"
#include "core/views/data_kind.h"

int RunDownload(CliContext& context, const ParsedArguments& parsed)
{
    CProgressPrinter progress(parsed.Has(CliOptions::Progress.name));
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
    request.instrument = instrument;
    request.config = ReadComConfig(context.store).value;
    request.devicePath = parsed.Value(QStringLiteral("device"));
    const QString rawTarget = parsed.Value(QStringLiteral("raw"));

    TransferResult result;
    result.port = request.config.comPort;
    result.device = request.devicePath;
    // A file that cannot be written is refused before the instrument sends a byte.
    if (request.raw && !CanWriteRawTarget(rawTarget))
        result.status = Status::FileNotWritable;
    else
    {
        CSerialPort port;
        std::atomic<bool> stop{false};
        const CStopOnSignal interrupt(stop);
        request.keepBeside = context.databasePath;
        result = FinishDownload(context.store, request, ReceiveDownload(port, request, stop, progress.Sink()));
        if (request.raw && result.status == Status::Done)
            result.status = SaveRawDownload(rawTarget, result.received).status;
        // A transfer stopped by a signal is told as a cancel; the status says what stopped it.
        if (interrupt.Raised())
        {
            ReportTransfer(context, result);
            if (!result.keptFile.isEmpty())
                context.reporter.Message(DownloadTexts::KeptIn.Arg(result.keptFile), MessageIcon::Information);
            return ExitStatus::Interrupted;
        }
    }
    return ReportTransfer(context, result);
}

const CliCommand& DownloadCommand()
{
    static const CliCommand command{
        "download", DownloadUsage,
        "receives a job from the instrument and parses it into its tables, or with --raw saves it "
        "unchanged",
        {CliOptions::Instrument, CliOptions::Record, CliOptions::Raw, CliOptions::Device, CliOptions::Progress}, RunDownload};
    return command;
}
