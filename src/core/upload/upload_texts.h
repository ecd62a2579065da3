#pragma once

#include "core/report/shown_text.h"

#include <QString>

// What an upload tells the user.
namespace UploadTexts
{
inline constexpr ShownText Complete = QT_TRANSLATE_NOOP("MERION", "Upload Complete!");
inline constexpr ShownText StoppedByInstrument = QT_TRANSLATE_NOOP("MERION", "Upload Timeout!");
inline constexpr ShownText WaitTimeout = QT_TRANSLATE_NOOP("MERION", "Wait Timeout");
// The line went away during an upload: how many lines reached the port whole.
inline constexpr ShownText Interrupted = QT_TRANSLATE_NOOP("MERION", "Upload Interrupted! %1 of %2 lines sent.");

// A row that cannot be sent as it stands; its row counts from 1 in list order.
inline constexpr ShownText PointWithoutName = QT_TRANSLATE_NOOP("MERION", "The point in row %1 has no name.\nNothing was uploaded.");
inline constexpr ShownText PointWithoutValue = QT_TRANSLATE_NOOP("MERION", "Point %1 has no %2.\nNothing was uploaded.");
inline constexpr ShownText ElementWithoutValue = QT_TRANSLATE_NOOP("MERION", "The alignment element in row %1 has no %2.\nNothing was uploaded.");
}
