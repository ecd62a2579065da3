#pragma once

#include "core/report/reporter.h"

#include <QMutex>

// Messages go to standard error, one per line, with the desktop program's texts; every
// question is answered yes. Remembers whether anything went wrong.
class CCliReporter final : public IReporter
{
public:
    void Message(const QString& text, MessageIcon icon) override;
    bool Confirm(const QString& question) override;

    // True once an error or warning has been printed (the desktop program's exclamation box).
    bool FailureReported() const;

private:
    mutable QMutex m_mutex;
    bool m_failure = false;
};
