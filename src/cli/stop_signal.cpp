#include "stop_signal.h"

#include <csignal>

namespace
{
// A signal handler reaches nothing but what is static; the flag it raises is the transfer's own.
std::atomic<std::atomic<bool>*> g_stopFlag{nullptr};
std::atomic<bool> g_raised{false};

void RaiseStop(int)
{
    g_raised.store(true);
    if (std::atomic<bool>* stop = g_stopFlag.load())
        stop->store(true);
}

void Restore(int signal, void (*former)(int))
{
    std::signal(signal, former == SIG_ERR ? SIG_DFL : former);
}
} // namespace

CStopOnSignal::CStopOnSignal(std::atomic<bool>& stop)
{
    static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<std::atomic<bool>*>::is_always_lock_free,
                  "a signal handler may only touch lock-free atomics");
    g_raised.store(false);
    g_stopFlag.store(&stop);
    m_formerInterrupt = std::signal(SIGINT, RaiseStop);
    m_formerTerminate = std::signal(SIGTERM, RaiseStop);
}

CStopOnSignal::~CStopOnSignal()
{
    Restore(SIGINT, m_formerInterrupt);
    Restore(SIGTERM, m_formerTerminate);
    g_stopFlag.store(nullptr);
}

bool CStopOnSignal::Raised() const
{
    return g_raised.load();
}
