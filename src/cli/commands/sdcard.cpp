#include "commands/sdcard.h"

#include "arguments.h"
#include "commands.h"
#include "core/files/sdcard_files.h"
#include "core/store/hand_edits.h"
#include "core/views/data_kind.h"
#include "result_report.h"

int RunSdCard(CliContext& context, const ParsedArguments& parsed)
{
    if (parsed.positional.size() != 2)
        return UsageError(QStringLiteral("sdcard takes a parent folder and a folder name"), SdCardUsage);
    const std::optional<int> job = ParseIntIn(parsed.Value(QStringLiteral("job"), QStringLiteral("1")), 1, SdCard::JobCount);
    if (!job)
        return UsageError(QStringLiteral("--job must be 1 to 20"), SdCardUsage);
    const Outcome outcome = WriteSdCardJob(context.store, parsed.positional[0], parsed.positional[1], *job - 1);
    // The whole point list is on the card now.
    if (outcome.Succeeded())
        HandEdits::MarkSaved(context.store, TableOf(DataKind::Coor));
    return ReportOutcome(context, outcome);
}

const CliCommand& SdCardCommand()
{
    static const CliCommand command{
        "sdcard", SdCardUsage,
        "writes the point list as the SD-card job files PARENT/NAME/JOBn.DAT and JOBn.INX",
        {CliOptions::Job}, RunSdCard};
    return command;
}
