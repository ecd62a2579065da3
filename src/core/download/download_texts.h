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

// The row attribute of a measurement row is this prefix and the kind name. Origins are data:
// they are stored and exported as they stand, never translated.
inline const QString MeasAttrPrefix = QStringLiteral("T5(T8)_Meas_");
inline const QString CoorAttr = QStringLiteral("T5(T8)_COOR");

// The row attributes of the T8 version 2 parsers.
inline const QString V2MeasAttr = QStringLiteral("T8_V2_Meas");
inline const QString V2CoorAttr = QStringLiteral("T8_V2_Coor"); // CoorEdit rows of measurements and stake-outs
inline const QString V2CoorRecordAttr = QStringLiteral("T8_V2_COOR");
inline const QString V2RoadStakeAttr = QStringLiteral("T8_V2_RoadStake");
inline const QString V2XSectAttr = QStringLiteral("T8_V2_BreakerSurface");
inline const QString V2SurfaceLineAttr = QStringLiteral("T8_V2_SurfaceLine");

}
