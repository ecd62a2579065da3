#pragma once

#include "core/link/transfer.h"
#include "core/report/outcome.h"

struct CliContext;

// merion-cli's one place where a result becomes its message (on standard error) and the exit
// status: success only when the operation ended Done.
int ReportOutcome(CliContext& context, const Outcome& outcome);
int ReportTransfer(CliContext& context, const TransferResult& result);
