#include "core/link/transfer.h"

#include "core/download/download_texts.h"
#include "core/link/link_texts.h"
#include "core/upload/upload_texts.h"

UserMessage MessageOf(const TransferResult& result)
{
    const bool upload = result.direction == TransferResult::Direction::Upload;
    switch (result.status)
    {
    case Status::Done:
        if (upload)
            return {UploadTexts::Complete, MessageIcon::None};
        return {};
    case Status::PortNotOpened:
        if (const DeviceKind kind = NonSerialDeviceKind(result.device, result.error.code); kind != DeviceKind::Unknown)
            return {LinkTexts::NotASerialPort(result.device, kind), MessageIcon::Exclamation};
        return {LinkTexts::PortUnavailable(result.port, result.device), MessageIcon::Exclamation};
    case Status::TimedOut: return {result.timeoutText, MessageIcon::None};
    case Status::HungUp:
        if (upload)
            return {UploadTexts::Interrupted(result.linesSent, result.linesTotal), MessageIcon::Exclamation};
        return {DownloadTexts::Interrupted(result.received.size()), MessageIcon::Exclamation};
    case Status::NoRecords: return {DownloadTexts::NoRecords, MessageIcon::Exclamation};
    case Status::NoFileChosen: return {DownloadTexts::NoFileChosen, MessageIcon::Exclamation};
    default: break;
    }
    // What a transfer shares with every other operation is worded where they are.
    return MessageOf(Outcome{result.status, result.detail});
}
