#pragma once

#include "core/link/transfer.h"

class IReporter;

// The desktop program's one place where a transfer's result becomes what the user sees.
void ReportTransferResult(IReporter& reporter, const TransferResult& result);
