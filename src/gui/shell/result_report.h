#pragma once

#include "core/link/transfer.h"
#include "core/report/outcome.h"

class IReporter;

// The desktop program's one place where a result becomes what the user sees (in the words of
// words/result_words, which merion-cli shares).
void ReportOutcome(IReporter& reporter, const Outcome& outcome);
void ReportTransferResult(IReporter& reporter, const TransferResult& result);
