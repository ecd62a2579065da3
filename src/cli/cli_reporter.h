#pragma once

#include "core/report/reporter.h"

#include <QMutex>

// Messages go to standard error, one per line, with the desktop program's texts; every
// question is answered yes. The exit status comes from the operation's result, never from
// what was printed.
class CCliReporter final : public IReporter
{
public:
    void Message(const QString& text, MessageIcon icon) override;
    bool Confirm(const QString& question) override;

private:
    QMutex m_mutex;
};
