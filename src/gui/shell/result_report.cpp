#include "gui/shell/result_report.h"

#include "core/report/reporter.h"
#include "words/result_words.h"

namespace
{
void Show(IReporter& reporter, const UserMessage& message)
{
    if (!message.text.isEmpty())
        reporter.Message(message.text, message.icon);
}
} // namespace

void ReportOutcome(IReporter& reporter, const Outcome& outcome)
{
    Show(reporter, MessageOf(outcome));
}

void ReportTransferResult(IReporter& reporter, const TransferResult& result)
{
    Show(reporter, MessageOf(result));
}
