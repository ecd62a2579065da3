#pragma once

#include <atomic>

// While one lives, an interrupt or a termination request (Ctrl+C, SIGINT, SIGTERM) raises
// `stop` instead of ending the program, so a running transfer ends as a cancel does: what was
// received is kept, the instrument is told. One at a time; the former handling comes back when
// it goes.
class CStopOnSignal
{
public:
    explicit CStopOnSignal(std::atomic<bool>& stop);
    ~CStopOnSignal();
    CStopOnSignal(const CStopOnSignal&) = delete;
    CStopOnSignal& operator=(const CStopOnSignal&) = delete;

    // Whether a signal came while this lived.
    bool Raised() const;

private:
    void (*m_formerInterrupt)(int) = nullptr;
    void (*m_formerTerminate)(int) = nullptr;
};
