#pragma once

#include "core/report/shown_text.h"

#include <QStringList>

// The download window's own words.
namespace DownloadDlgTexts
{
inline constexpr ShownText Title = QT_TRANSLATE_NOOP("MERION", "下载数据");
inline constexpr ShownText InstrumentLabel = QT_TRANSLATE_NOOP("MERION", "仪器类型:");
inline constexpr ShownText DownloadTypeLabel = QT_TRANSLATE_NOOP("MERION", "下载类型:");
inline constexpr ShownText ParseButton = QT_TRANSLATE_NOOP("MERION", "解析下载");
inline constexpr ShownText RawButton = QT_TRANSLATE_NOOP("MERION", "下载原始数据");
inline constexpr ShownText CancelButton = QT_TRANSLATE_NOOP("MERION", "取消");
inline constexpr ShownText Note = QT_TRANSLATE_NOOP("MERION", "注：数据下载时，请勿做其它操作!");
inline constexpr ShownText StoredJobKept = QT_TRANSLATE_NOOP("MERION", "原有的作业仍在，没有改变。"); // after a download the line broke off
// The download types of the T8 version 2 entry (V2Instrument), in download-type order.
inline constexpr ShownText V2DownloadTypes[] = {QT_TRANSLATE_NOOP("MERION", "Meas-Data"), QT_TRANSLATE_NOOP("MERION", "Coor-Data"), QT_TRANSLATE_NOOP("MERION", "Road Stake Out"), QT_TRANSLATE_NOOP("MERION", "X-Sect Measurement"), QT_TRANSLATE_NOOP("MERION", "Plane Alignment Element")};

// Instrument names and the raw file's filter are the same in every language.
inline const QStringList Instruments = {QStringLiteral("T5/T5+"), QStringLiteral("T8")};
inline const QString V2Instrument = QStringLiteral("T8 V2");
inline const QString RawFileFilter = QStringLiteral("*.txt (*.txt);;*.* (*)");
}
