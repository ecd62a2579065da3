#include "gui/link/transfer_result_report.h"

#include "core/report/reporter.h"

void ReportTransferResult(IReporter& reporter, const TransferResult& result)
{
    const UserMessage message = MessageOf(result);
    if (!message.text.isEmpty())
        reporter.Message(message.text, message.icon);
}
