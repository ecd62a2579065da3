#pragma once

#include "core/report/reporter.h"

// Shows messages and questions in message boxes captioned "MERION". Calls from a worker
// thread are carried to the user-interface thread and wait there, so messages appear in the
// order they were sent and a worker goes on only after the user has read its message.
class CMessageBoxReporter final : public IReporter
{
public:
    void Message(const QString& text, MessageIcon icon) override;
    bool Confirm(const QString& question) override;
};
