#pragma once

#include "core/report/shown_text.h"

#include <QString>

// What the windows show of a running transfer.
namespace TransferTexts
{
inline QString Received(qint64 bytes, int lines)
{
    return QCoreApplication::translate("MERION", "已接收 %1 字节，%2 行").arg(bytes).arg(lines);
}
inline QString Sent(int lines, int total)
{
    return QCoreApplication::translate("MERION", "已发送 %1 / %2 行").arg(lines).arg(total);
}
inline QString SentWithTimeLeft(int lines, int total, qint64 seconds)
{
    return QCoreApplication::translate("MERION", "已发送 %1 / %2 行，约剩 %3 秒").arg(lines).arg(total).arg(seconds);
}
} // namespace TransferTexts
