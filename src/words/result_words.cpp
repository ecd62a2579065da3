#include "words/result_words.h"

#include "core/download/download_texts.h"
#include "core/edit/edit_texts.h"
#include "core/files/files_texts.h"
#include "core/geodesy/geodesy_texts.h"
#include "core/link/device_kind.h"
#include "core/link/link_texts.h"
#include "core/plan/plan_texts.h"
#include "core/upload/upload_texts.h"

UserMessage MessageOf(const Outcome& outcome)
{
    const auto warning = [](const QString& text) { return UserMessage{text, MessageIcon::Exclamation}; };
    switch (outcome.status)
    {
    case Status::Done:
    case Status::MemoryFull: // the files are written all the same; the warnings came while writing
        if (outcome.detail.isEmpty())
            return {};
        return {outcome.detail, MessageIcon::Information};
    case Status::PortBusy: return warning(LinkTexts::PortBusy);
    case Status::StoppedByInstrument: return {UploadTexts::StoppedByInstrument, MessageIcon::None};
    case Status::NoRecords: return warning(FilesTexts::NoRecords);
    case Status::NotText: return warning(FilesTexts::BinaryFile);
    case Status::FileNotReadable:
    case Status::FileNotWritable: return warning(FilesTexts::OpenFileFailed);
    case Status::WriteFailed: return warning(FilesTexts::WriteFailed(outcome.detail));
    case Status::ProjectFile: return warning(FilesTexts::ProjectFile.Arg(outcome.detail));
    case Status::NameNotEncodable: return warning(FilesTexts::NameNotEncodable.Arg(outcome.detail));
    case Status::NotPlainName: return warning(FilesTexts::NotPlainName.Arg(outcome.detail));
    case Status::PathNotCreated: return warning(FilesTexts::CannotCreatePath);
    case Status::UnknownImageType: return warning(PlanTexts::UnknownImageType);
    case Status::EmptyName:
        return warning(outcome.detail.isEmpty() ? QString(EditTexts::NameEmpty) : EditTexts::FieldEmpty.Arg(outcome.detail));
    case Status::NoSuchRecord: return warning(EditTexts::NoSuchRecord.Arg(outcome.detail));
    case Status::NameExists: return warning(EditTexts::NameExists);
    case Status::InvalidNumber: return warning(EditTexts::NotANumber.Arg(outcome.detail));
    case Status::BadRow:
    case Status::CannotCompute: return warning(outcome.detail);
    case Status::NoCoordinateSystem: return warning(GeodesyTexts::NoSystem);
    case Status::UnknownCoordinateSystem: return warning(GeodesyTexts::UnknownSystem.Arg(outcome.detail));
    // A transfer words these itself: they need the port, the time-out, the line count or the dialog.
    case Status::PortNotOpened:
    case Status::TimedOut:
    case Status::HungUp:
    case Status::NoFileChosen:
    // The store has said why, or there is nothing to say.
    case Status::Cancelled:
    case Status::DatabaseError:
    case Status::NothingToDo: break;
    }
    return {};
}

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
    case Status::TimedOut:
        if (upload)
            return {UploadTexts::WaitTimeout, MessageIcon::None};
        return {result.silence == Silence::Connection ? DownloadTexts::ConnectTimeout : DownloadTexts::WaitTimeout,
                MessageIcon::None};
    case Status::HungUp:
        if (upload)
            return {UploadTexts::Interrupted.Arg(result.linesSent, result.linesTotal), MessageIcon::Exclamation};
        return {DownloadTexts::Interrupted.Arg(result.received.size()), MessageIcon::Exclamation};
    case Status::NoRecords: return {DownloadTexts::NoRecords, MessageIcon::Exclamation};
    case Status::NoFileChosen: return {DownloadTexts::NoFileChosen, MessageIcon::Exclamation};
    default: break;
    }
    // What a transfer shares with every other operation is worded where they are.
    return MessageOf(static_cast<const Outcome&>(result));
}
