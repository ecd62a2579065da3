#pragma once

#include "core/link/transfer.h"
#include "core/report/outcome.h"

struct CliContext;

// merion-cli's one place where a result becomes its message (on standard error) and the exit
// status: success only when the operation ended Done.
int ReportOutcome(CliContext& context, const Outcome& outcome);
int ReportTransfer(CliContext& context, const TransferResult& result);

// Whether the command may read or write the file at `path`: not when it is one of the
// project's own files or a name the file system cannot take (told on standard error).
bool AcceptChosenFile(CliContext& context, const QString& path);
