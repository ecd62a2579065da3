#pragma once

#include "core/link/transfer.h"
#include "core/report/outcome.h"
#include "core/report/reporter.h"

#include <QString>

// What the user is told about a result; an empty text tells nothing.
struct UserMessage
{
    QString text;
    MessageIcon icon = MessageIcon::None;
};

// The words of a result: where a status becomes words, for the desktop program's result
// report and merion-cli's alike.
UserMessage MessageOf(const Outcome& outcome);
UserMessage MessageOf(const TransferResult& result);
