#pragma once

#include "core/report/reporter.h"

#include <QObject>

// The worker's reporter: every message becomes a queued signal to the user-interface thread,
// so the worker never waits for a message box and the dialog can always stop and wait for it.
class CUploadSignals final : public QObject, public IReporter
{
    Q_OBJECT
public:
    using QObject::QObject;

    void Message(const QString& text, MessageIcon icon) override { emit MessageSent(text, int(icon)); }
    // The upload asks nothing.
    bool Confirm(const QString&) override { return true; }

signals:
    void MessageSent(const QString& text, int icon);
    void Finished(int outcome);
};
