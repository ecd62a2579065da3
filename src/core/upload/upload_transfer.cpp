#include "core/upload/upload_transfer.h"

#include "core/link/link_texts.h"
#include "core/link/serial_port.h"
#include "core/report/reporter.h"
#include "core/upload/upload_lines.h"
#include "core/upload/upload_texts.h"
#include "core/views/data_kind.h"

#include <chrono>
#include <thread>

namespace
{
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr char Eot = 0x04;
constexpr char Dc1 = 0x11;
constexpr char Dc3 = 0x13;

// Sleeps `ms` in short slices so that a Cancel is seen at once; false when it was.
// Slices sleep towards one deadline, so a long run of pauses does not drift.
bool Pause(int ms, const std::atomic<bool>& stop)
{
    const Clock::time_point deadline = Clock::now() + milliseconds(ms);
    for (;;)
    {
        if (stop)
            return false;
        const Clock::time_point now = Clock::now();
        if (now >= deadline)
            return true;
        std::this_thread::sleep_until(std::min(deadline, now + milliseconds(UploadTiming::PollInterval)));
    }
}

// Byte by byte, so that a Cancel in the middle of a line keeps the rest of it off the wire.
bool SendLine(CSerialPort& port, const QByteArray& line, const std::atomic<bool>& stop)
{
    for (const char byte : line)
    {
        if (stop)
            return false;
        port.Write(&byte, 1);
    }
    return !stop;
}

enum class Answer { Ready, Stop, Silent, Cancelled };

// Polls until the instrument answers. DC3 wins over DC1 in the same poll; a wait for readiness
// alone (acceptStop false) ignores DC3.
Answer AwaitAnswer(CSerialPort& port, bool acceptStop, const std::atomic<bool>& stop)
{
    for (int poll = 0; poll < UploadTiming::PollLimit; ++poll)
    {
        if (!Pause(UploadTiming::PollInterval, stop))
            return Answer::Cancelled;
        char buffer[5] = {};
        const QByteArray bytes(buffer, port.Read(buffer, 4));
        if (acceptStop && bytes.contains(Dc3))
            return Answer::Stop;
        if (bytes.contains(Dc1))
            return Answer::Ready;
    }
    return stop ? Answer::Cancelled : Answer::Silent;
}

void CloseQuietly(CSerialPort& port)
{
    port.Purge();
    port.Close();
}

// A purge drops output the driver still holds: the EOT must be on the wire first.
void SendEot(CSerialPort& port)
{
    port.Write(&Eot, 1);
    std::this_thread::sleep_for(milliseconds(UploadTiming::EotSettle));
}

// Ends a transfer the instrument took part in: the closing message unless the user cancelled.
UploadOutcome Finish(CSerialPort& port, UploadOutcome outcome, const QString& message,
                     const std::atomic<bool>& stop, IReporter& reporter)
{
    if (stop)
        return UploadOutcome::Cancelled;
    CloseQuietly(port);
    reporter.Message(message, MessageIcon::None);
    return outcome;
}

UploadOutcome SendPaced(CSerialPort& port, const QList<QByteArray>& lines, const std::atomic<bool>& stop,
                        IReporter& reporter)
{
    for (const QByteArray& line : lines)
        if (!SendLine(port, line, stop) || !Pause(UploadTiming::PacedLinePause, stop))
            return UploadOutcome::Cancelled;

    // An instrument that is still busy says so with DC3: give it a moment and drop its answer.
    char buffer[5] = {};
    if (QByteArray(buffer, port.Read(buffer, 4)).contains(Dc3))
    {
        if (!Pause(UploadTiming::StopPause, stop))
            return UploadOutcome::Cancelled;
        port.Purge();
    }
    if (stop)
        return UploadOutcome::Cancelled;
    SendEot(port);
    return Finish(port, UploadOutcome::Complete, UploadTexts::Complete, stop, reporter);
}

UploadOutcome SendWithHandshake(CSerialPort& port, const UploadRequest& request, const QList<QByteArray>& lines,
                                const std::atomic<bool>& stop, IReporter& reporter)
{
    const auto waitTimeout = [&] {
        return Finish(port, UploadOutcome::WaitTimeout, UploadTexts::WaitTimeout, stop, reporter);
    };

    switch (AwaitAnswer(port, false, stop))
    {
    case Answer::Cancelled: return UploadOutcome::Cancelled;
    case Answer::Silent: return waitTimeout();
    default: break;
    }

    for (const QByteArray& line : lines)
    {
        // Stale answers to earlier lines must not accept this one.
        if (request.category == UploadCategory::Coordinates)
            port.Purge();
        if (!SendLine(port, line, stop))
            return UploadOutcome::Cancelled;
        switch (AwaitAnswer(port, true, stop))
        {
        case Answer::Cancelled: return UploadOutcome::Cancelled;
        case Answer::Silent: return waitTimeout();
        case Answer::Stop:
            SendEot(port);
            return Finish(port, UploadOutcome::StoppedByInstrument, UploadTexts::StoppedByInstrument, stop, reporter);
        case Answer::Ready:
            if (!Pause(UploadTiming::AcceptedLinePause, stop))
                return UploadOutcome::Cancelled;
            break;
        }
    }
    SendEot(port);
    return Finish(port, UploadOutcome::Complete, UploadTexts::Complete, stop, reporter);
}
} // namespace

UploadOutcome SendUpload(CSerialPort& port, const UploadRequest& request, const QList<QByteArray>& lines,
                         const std::atomic<bool>& stop, IReporter& reporter)
{
    if (request.kind != DataKind::UploadT5 && request.kind != DataKind::UploadV2)
        return UploadOutcome::NothingToDo;
    if (stop)
        return UploadOutcome::Cancelled;
    if (!OpenPort(port, request.config, request.devicePath))
    {
        if (stop)
            return UploadOutcome::Cancelled;
        reporter.Message(LinkTexts::PortUnavailable(request.config.comPort, request.devicePath), MessageIcon::Exclamation);
        return UploadOutcome::PortNotOpened;
    }
    return request.kind == DataKind::UploadT5 ? SendPaced(port, lines, stop, reporter)
                                              : SendWithHandshake(port, request, lines, stop, reporter);
}

UploadOutcome RunUpload(CProjectStore& store, CSerialPort& port, const UploadRequest& request,
                        const std::atomic<bool>& stop, IReporter& reporter)
{
    const UploadLines lines = BuildUploadLines(store, request.kind, request.category, reporter);
    if (lines.failure)
        return *lines.failure;
    return SendUpload(port, request, lines.lines, stop, reporter);
}

void CancelUpload(CSerialPort& port)
{
    SendEot(port);
    CloseQuietly(port);
}
