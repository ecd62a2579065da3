#include "core/upload/upload_transfer.h"

#include "core/upload/upload_lines.h"
#include "core/views/data_kind.h"

namespace
{
constexpr char Eot = 0x04;
constexpr char Dc1 = 0x11;
constexpr char Dc3 = 0x13;

// One upload on its stream: the state every step shares.
class CUpload
{
public:
    CUpload(IByteStream& stream, const UploadRequest& request, const QList<QByteArray>& lines,
            const std::atomic<bool>& stop, const ProgressSink& progress)
        : m_stream(stream), m_request(request), m_lines(lines), m_stop(stop), m_progress(progress)
    {
        m_result.direction = TransferResult::Direction::Upload;
        m_result.linesTotal = int(lines.size());
        m_result.port = request.config.comPort;
        m_result.device = request.devicePath;
    }

    TransferResult Run()
    {
        if (m_request.kind != DataKind::UploadT5 && m_request.kind != DataKind::UploadV2)
            return End(Status::NothingToDo);
        if (m_stop)
            return End(Status::Cancelled);
        m_result.error = OpenPort(m_stream, m_request.config, m_request.devicePath);
        if (m_result.error.IsError())
            return End(Status::PortNotOpened);
        const Status status = m_request.kind == DataKind::UploadT5 ? SendPaced() : SendWithHandshake();
        return Close(status);
    }

private:
    enum class Answer { Ready, Stop, Silent, Broken };

    TransferResult End(Status status)
    {
        m_result.status = status;
        return m_result;
    }

    // Every path that opened the stream ends here. A cancel tells the instrument the transfer
    // is over; a line that went away is sent nothing more.
    TransferResult Close(Status status)
    {
        if (status == Status::Cancelled)
            SendEot();
        m_stream.Purge();
        m_stream.Close();
        return End(status);
    }

    bool Broken() const { return m_stop || m_result.error.IsError(); }
    Status BrokenStatus() const { return m_result.error.IsError() ? Status::HungUp : Status::Cancelled; }

    // Sleeps `ms` in poll-sized slices so that a cancel is seen within one poll.
    bool Pause(int ms)
    {
        for (int left = ms; left > 0; left -= UploadTiming::PollInterval)
        {
            if (m_stop)
                return false;
            m_stream.Sleep(std::min(left, UploadTiming::PollInterval));
            m_elapsedMs += std::min(left, UploadTiming::PollInterval);
        }
        return !m_stop;
    }

    // Byte by byte, so that a cancel in the middle of a line keeps the rest of it off the wire.
    bool SendLine(const QByteArray& line)
    {
        for (const char byte : line)
        {
            if (m_stop)
                return false;
            m_result.error = m_stream.Write(&byte, 1);
            if (m_result.error.IsError())
                return false;
        }
        if (m_stop)
            return false;
        ++m_result.linesSent;
        if (m_progress)
            m_progress({0, m_result.linesSent, m_result.linesTotal, m_elapsedMs});
        return true;
    }

    // The instrument's answer bytes waiting now (at most four); a broken line sets the error.
    QByteArray ReadAnswer()
    {
        char buffer[4] = {};
        const StreamRead read = m_stream.Read(buffer, sizeof buffer);
        if (read.error.IsError())
            m_result.error = read.error;
        return QByteArray(buffer, qsizetype(read.count));
    }

    // Polls until the instrument answers. DC3 wins over DC1 in the same poll; a wait for
    // readiness alone (acceptStop false) ignores DC3.
    Answer AwaitAnswer(bool acceptStop)
    {
        for (int poll = 0; poll < UploadTiming::PollLimit; ++poll)
        {
            if (!Pause(UploadTiming::PollInterval))
                return Answer::Broken;
            const QByteArray bytes = ReadAnswer();
            if (acceptStop && bytes.contains(Dc3))
                return Answer::Stop;
            if (bytes.contains(Dc1))
                return Answer::Ready;
            if (Broken())
                return Answer::Broken;
        }
        return Answer::Silent;
    }

    // The purge that follows lets the EOT leave before it drops anything.
    bool SendEot()
    {
        if (m_result.error.IsError())
            return false;
        m_result.error = m_stream.Write(&Eot, 1);
        m_stream.Sleep(UploadTiming::EotSettle);
        return !m_result.error.IsError();
    }

    Status SendPaced()
    {
        for (const QByteArray& line : m_lines)
            if (!SendLine(line) || !Pause(UploadTiming::PacedLinePause))
                return BrokenStatus();

        // An instrument that is still busy says so with DC3: give it a moment and drop its answer.
        if (ReadAnswer().contains(Dc3))
        {
            if (!Pause(UploadTiming::StopPause))
                return BrokenStatus();
            m_stream.Purge();
        }
        if (Broken())
            return BrokenStatus();
        return SendEot() ? Status::Done : Status::HungUp;
    }

    Status SendWithHandshake()
    {
        switch (AwaitAnswer(false))
        {
        case Answer::Broken: return BrokenStatus();
        case Answer::Silent: return Status::TimedOut;
        default: break;
        }
        for (const QByteArray& line : m_lines)
        {
            // Stale answers to earlier lines must not accept this one.
            if (m_request.category == UploadCategory::Coordinates)
                m_stream.Purge();
            if (!SendLine(line))
                return BrokenStatus();
            switch (AwaitAnswer(true))
            {
            case Answer::Broken: return BrokenStatus();
            case Answer::Silent: return Status::TimedOut;
            case Answer::Stop: return SendEot() ? Status::StoppedByInstrument : Status::HungUp;
            case Answer::Ready:
                if (!Pause(UploadTiming::AcceptedLinePause))
                    return BrokenStatus();
                break;
            }
        }
        return SendEot() ? Status::Done : Status::HungUp;
    }

    IByteStream& m_stream;
    const UploadRequest& m_request;
    const QList<QByteArray>& m_lines;
    const std::atomic<bool>& m_stop;
    const ProgressSink& m_progress;
    TransferResult m_result;
    qint64 m_elapsedMs = 0;
};
} // namespace

TransferResult RefusedUpload(const Outcome& refusal)
{
    TransferResult result;
    result.direction = TransferResult::Direction::Upload;
    result.status = refusal.status;
    result.detail = refusal.detail;
    return result;
}

TransferResult SendUpload(IByteStream& stream, const UploadRequest& request, const QList<QByteArray>& lines,
                          const std::atomic<bool>& stop, const ProgressSink& progress)
{
    return CUpload(stream, request, lines, stop, progress).Run();
}
