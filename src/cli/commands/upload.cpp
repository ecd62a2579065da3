#include "commands/upload.h"

#include "arguments.h"
#include "cli_reporter.h"
#include "commands.h"
#include "core/link/com_config.h"
#include "commands/progress_printer.h"
#include "result_report.h"
#include "stop_signal.h"
#include "core/link/serial_port.h"
#include "core/store/hand_edits.h"
#include "core/upload/upload_lines.h"
#include "core/upload/upload_transfer.h"
#include "core/views/data_kind.h"

#include <atomic>

int RunUpload(CliContext& context, const ParsedArguments& parsed)
{
    CProgressPrinter progress(parsed.Has(CliOptions::Progress.name));
    if (!parsed.positional.isEmpty())
        return UsageError(QStringLiteral("unexpected argument %1").arg(parsed.positional.first()), UploadUsage);

    UploadRequest request;
    const QString instrument = parsed.Value(QStringLiteral("instrument"));
    if (instrument == QLatin1String("t5") || instrument == QLatin1String("t8"))
        request.kind = DataKind::UploadT5;
    else if (instrument == QLatin1String("v2"))
        request.kind = DataKind::UploadV2;
    else if (instrument.isEmpty())
        return UsageError(QStringLiteral("--instrument is required"), UploadUsage);
    else
        return UsageError(QStringLiteral("unknown instrument %1").arg(instrument), UploadUsage);

    const QString category = parsed.Value(QStringLiteral("category"), QStringLiteral("coor"));
    if (category == QLatin1String("alignment") && request.kind == DataKind::UploadV2)
        request.category = UploadCategory::Alignment;
    else if (category != QLatin1String("coor"))
        return UsageError(request.kind == DataKind::UploadV2
                              ? QStringLiteral("unknown category %1").arg(category)
                              : QStringLiteral("only --instrument v2 uploads the alignment"),
                          UploadUsage);

    request.devicePath = parsed.Value(QStringLiteral("device"));
    request.config = ReadComConfig(context.store).value;

    const UploadLines lines = BuildUploadLines(context.store, request.kind, request.category);
    TransferResult result = RefusedUpload(lines.outcome);
    if (lines.outcome.Succeeded())
    {
        CSerialPort port;
        std::atomic<bool> stop{false};
        const CStopOnSignal interrupt(stop);
        result = SendUpload(port, request, lines.lines, stop, progress.Sink());
        // A transfer stopped by a signal is told as a cancel; the status says what stopped it.
        if (interrupt.Raised())
        {
            ReportTransfer(context, result);
            return ExitStatus::Interrupted;
        }
    }
    if (result.status == Status::Done)
        HandEdits::MarkSaved(context.store, UploadedTableOf(request.category));
    // A time-out is a failure here even though the desktop program shows it in a plain box.
    return ReportTransfer(context, result);
}

const CliCommand& UploadCommand()
{
    static const CliCommand command{
        "upload", UploadUsage,
        "sends the point list (or, for v2, the alignment) to the instrument over the serial link",
        {CliOptions::Instrument, CliOptions::Category, CliOptions::Device, CliOptions::Progress}, RunUpload};
    return command;
}
