#pragma once

#include "core/report/shown_text.h"

// The words of the serial settings window.
namespace ComConfigTexts
{
inline constexpr ShownText SettingsCaption = QT_TRANSLATE_NOOP("MERION", "通讯配置");
inline constexpr ShownText ProtocolGroup = QT_TRANSLATE_NOOP("MERION", "协议");
inline constexpr ShownText DataBitsGroup = QT_TRANSLATE_NOOP("MERION", "数据位");
inline constexpr ShownText StopBitsGroup = QT_TRANSLATE_NOOP("MERION", "停止位");
inline constexpr ShownText ParityGroup = QT_TRANSLATE_NOOP("MERION", "校验位");
inline constexpr ShownText PortLabel = QT_TRANSLATE_NOOP("MERION", "串口号:");
inline constexpr ShownText BaudLabel = QT_TRANSLATE_NOOP("MERION", "波特率:");
inline constexpr ShownText Ok = QT_TRANSLATE_NOOP("MERION", "确定");
inline constexpr ShownText Cancel = QT_TRANSLATE_NOOP("MERION", "取消");

// A radio button of a settings group and the code it stands for.
struct Choice
{
    ShownText text;
    int code;
};
// In the order the groups show them. Stop-bit counts and protocol names read alike in every
// language, so they carry no translation.
inline constexpr Choice ProtocolChoices[] = {{QT_TRANSLATE_NOOP("MERION", "None"), 0}, {"ACK/NAK", 1}};
inline constexpr Choice DataBitChoices[] = {{QT_TRANSLATE_NOOP("MERION", "7位"), 1}, {QT_TRANSLATE_NOOP("MERION", "8位"), 0}};
inline constexpr Choice StopBitChoices[] = {{"1", 0}, {"1.5", 1}, {"2", 2}};
inline constexpr Choice ParityChoices[] = {{QT_TRANSLATE_NOOP("MERION", "无校验"), 0}, {QT_TRANSLATE_NOOP("MERION", "奇校验"), 1}, {QT_TRANSLATE_NOOP("MERION", "偶校验"), 2}};
}
