#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the download: the messages of a transfer and the origins its rows carry.
namespace DownloadTexts
{
inline constexpr ShownText WaitTimeout = QT_TRANSLATE_NOOP("MERION", "Wait Timeout");
inline constexpr ShownText ConnectTimeout = QT_TRANSLATE_NOOP("MERION", "Connect Timeout!");
inline constexpr ShownText NoFileChosen = QT_TRANSLATE_NOOP("MERION", "Can not Create a file dialog!");
// The line went away in the middle of a download.
inline constexpr ShownText Interrupted = QT_TRANSLATE_NOOP("MERION", "Download Interrupted! %1 bytes received.");
inline constexpr ShownText NoRecords = QT_TRANSLATE_NOOP("MERION", "The received data holds no record.\nThe stored data is unchanged.");
// Where the received bytes are when the user chose no file for them.
inline constexpr ShownText KeptIn = QT_TRANSLATE_NOOP("MERION", "The received data is kept in\n%1");
inline constexpr ShownText NotKept = QT_TRANSLATE_NOOP("MERION", "The received data could not be kept in %1: %2");
}
