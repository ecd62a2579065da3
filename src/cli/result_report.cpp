#include "result_report.h"

#include "cli_context.h"
#include "cli_reporter.h"
#include "core/store/project_files.h"
#include "words/result_words.h"

namespace
{
int Report(CliContext& context, Status status, const UserMessage& message)
{
    if (!message.text.isEmpty())
        context.reporter.Message(message.text, message.icon);
    return status == Status::Done ? ExitStatus::Success : ExitStatus::Failure;
}
} // namespace

int ReportOutcome(CliContext& context, const Outcome& outcome)
{
    return Report(context, outcome.status, MessageOf(outcome));
}

int ReportTransfer(CliContext& context, const TransferResult& result)
{
    return Report(context, result.status, MessageOf(result));
}

bool AcceptChosenFile(CliContext& context, const QString& path)
{
    const Outcome outcome = CheckChosenFile(path, context.databasePath);
    if (outcome.Succeeded())
        return true;
    ReportOutcome(context, outcome);
    return false;
}
