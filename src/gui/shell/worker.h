#pragma once

#include <QObject>

#include <atomic>
#include <functional>

class QThread;

// The one way the program works in the background (transfers, reading the plan): a job on a
// thread of its own that owns what it works on (copied in when it starts), watches only a stop
// flag, and reaches the windows only through the queued signals of the worker's kind: progress
// while it runs and one result at the end. Cancel only raises the flag; the job ends at its next
// look at it. A worker deletes itself once its job is done, so a window may go at any moment
// without waiting; only a worker destroyed with its owner stops the job and waits for it.
class CWorker : public QObject
{
    Q_OBJECT
public:
    explicit CWorker(QObject* parent);
    ~CWorker() override;

    void Cancel() { m_stop = true; }
    bool IsRunning() const { return m_thread != nullptr; }

protected:
    using Body = std::function<void(const std::atomic<bool>& stop)>;
    // Runs `body` on the worker's thread, once.
    void Launch(Body body);
    // Raises the flag and waits for the job: the destructor of each kind of worker calls it
    // first, so that no signal of a half-destroyed worker is sent.
    void StopAndWait();

private:
    QThread* m_thread = nullptr;
    std::atomic<bool> m_stop{false};
};
