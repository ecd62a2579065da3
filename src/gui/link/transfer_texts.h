#pragma once

#include "core/report/shown_text.h"

#include <QString>

// What the windows show of a running transfer.
namespace TransferTexts
{
inline constexpr ShownText Received = QT_TRANSLATE_NOOP("MERION", "已接收 %1 字节，%2 行");
inline constexpr ShownText Sent = QT_TRANSLATE_NOOP("MERION", "已发送 %1 / %2 行");
inline constexpr ShownText SentWithTimeLeft = QT_TRANSLATE_NOOP("MERION", "已发送 %1 / %2 行，约剩 %3 秒");
}
