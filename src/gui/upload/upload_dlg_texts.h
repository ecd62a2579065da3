#pragma once

#include "core/report/shown_text.h"

#include <QStringList>

// The upload window's own words.
namespace UploadDlgTexts
{
inline constexpr ShownText DialogTitle = QT_TRANSLATE_NOOP("MERION", "上传数据");
inline constexpr ShownText InstrumentLabel = QT_TRANSLATE_NOOP("MERION", "仪器类型:");
inline constexpr ShownText CategoryLabel = QT_TRANSLATE_NOOP("MERION", "上传类别:");
inline constexpr ShownText UploadButton = QT_TRANSLATE_NOOP("MERION", "上传");
inline constexpr ShownText CancelButton = QT_TRANSLATE_NOOP("MERION", "取消");
inline constexpr ShownText CoordinateCategory = QT_TRANSLATE_NOOP("MERION", "坐标数据");
inline constexpr ShownText AlignmentCategory = QT_TRANSLATE_NOOP("MERION", "Plane Alignment");

// Positions 0 and 1 stream without a handshake; position 2 is the T8 with its second record format.
inline const QStringList Instruments = {QStringLiteral("T5/T5+"), QStringLiteral("T8"), QStringLiteral("T8 V2")};
}
