#include "core/download/receive_loop.h"

#include "core/views/data_kind.h"

#include <vector>

namespace
{
constexpr char Eot = 0x04;
constexpr int IdleLimit = 800; // the 801st empty poll in a row ends the loop
} // namespace

ReceiveLoop RecordLoop()
{
    return {127, 5, IdleLimit, Silence::Connection};
}

ReceiveLoop MeasurementLoop()
{
    return {1028, 10, IdleLimit, Silence::Data};
}

std::optional<ReceiveLoop> LoopForKind(DataKind kind)
{
    switch (kind)
    {
    case DataKind::Meas: return MeasurementLoop();
    case DataKind::Coor:
    case DataKind::V2Meas:
    case DataKind::RoadStake:
    case DataKind::XSect:
    case DataKind::Alignment: return RecordLoop();
    default: return std::nullopt;
    }
}

ReceiveResult ReceiveUntilEot(IByteStream& stream, const ReceiveLoop& loop, const std::atomic<bool>& stop,
                              const ProgressSink& progress, const ReceivedBytesSink& keep)
{
    ReceiveResult result;
    std::vector<char> chunk(size_t(loop.chunkSize));
    TransferProgress done;
    int idle = 0;
    while (!stop.load())
    {
        const StreamRead read = stream.Read(chunk.data(), chunk.size());
        const qsizetype before = result.text.size();
        bool ended = false;
        for (size_t i = 0; i < read.count && !ended; ++i)
        {
            const char byte = chunk[i];
            if (byte == '\0' || (byte == Eot && result.text.isEmpty()))
                continue;
            ended = byte == Eot;
            if (ended)
                break;
            result.text.append(byte);
            if (byte == '\n')
                ++done.lines;
        }
        const bool received = result.text.size() > before;
        if (received && keep)
            keep(QByteArrayView(result.text).sliced(before));
        if (ended)
            return result;
        if (read.error.IsError())
        {
            // A line that went away (or a port that failed) sends nothing more: waiting out
            // the silence would only keep the surveyor waiting.
            result.status = Status::HungUp;
            result.error = read.error;
            return result;
        }
        if (received)
        {
            idle = 0;
            done.bytes = result.text.size();
            if (progress)
                progress(done);
        }
        else if (++idle > loop.idleLimit)
        {
            result.status = Status::TimedOut;
            return result;
        }
        stream.Sleep(loop.pauseMs);
        done.elapsedMs += loop.pauseMs;
    }
    result.status = Status::Cancelled;
    return result;
}
