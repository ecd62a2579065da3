#include "core/download/receive_loop.h"

#include "core/download/download_texts.h"
#include "core/views/data_kind.h"

#include <chrono>
#include <thread>
#include <vector>

namespace
{
constexpr char Eot = 0x04;
constexpr int IdleLimit = 800; // the 801st empty poll in a row ends the loop
} // namespace

ReceiveLoop RecordLoop()
{
    return {127, 5, IdleLimit, DownloadTexts::ConnectTimeout};
}

ReceiveLoop MeasurementLoop()
{
    return {1028, 10, IdleLimit, DownloadTexts::WaitTimeout};
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

ReceiveResult ReceiveUntilEot(const ByteReader& read, const ReceiveLoop& loop, const std::atomic<bool>& stop)
{
    ReceiveResult result;
    std::vector<char> chunk(size_t(loop.chunkSize));
    int idle = 0;
    while (!stop.load())
    {
        const int count = read(chunk.data(), loop.chunkSize);
        bool received = false;
        for (int i = 0; i < count; ++i)
        {
            const char byte = chunk[size_t(i)];
            if (byte == '\0' || (byte == Eot && result.text.isEmpty()))
                continue;
            if (byte == Eot)
                return result;
            result.text.append(byte);
            received = true;
        }
        if (received)
            idle = 0;
        else if (++idle > loop.idleLimit)
        {
            result.status = ReceiveStatus::TimedOut;
            result.text.clear();
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(loop.pauseMs));
    }
    result.status = ReceiveStatus::Stopped;
    result.text.clear();
    return result;
}
