#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace LinkTexts
{
// %1 is the port number.
inline QString PortUnavailable(int port)
{
    return QStringLiteral("COM%1 doesn't exist or be\nopened by another program!").arg(port);
}

// A device named directly (the command line's --device) is named in the message instead of
// a port number the user never chose.
inline QString PortUnavailable(int port, const QString& devicePath)
{
    if (devicePath.isEmpty())
        return PortUnavailable(port);
    return QStringLiteral("%1 doesn't exist or be\nopened by another program!").arg(devicePath);
}

// A second transfer asked for the port while one is running (download and upload share it).
inline const QString PortBusy = QStringLiteral("The serial port is busy with another transfer!");

// The settings dialog.
inline const QString SettingsCaption = QStringLiteral("通讯配置");
inline const QString ProtocolGroup = QStringLiteral("协议");
inline const QString DataBitsGroup = QStringLiteral("数据位");
inline const QString StopBitsGroup = QStringLiteral("停止位");
inline const QString ParityGroup = QStringLiteral("校验位");
inline const QString PortLabel = QStringLiteral("串口号:");
inline const QString BaudLabel = QStringLiteral("波特率:");
inline const QString Ok = QStringLiteral("确定");
inline const QString Cancel = QStringLiteral("取消");
// Button texts per code, in the order the groups show them: {text, code}.
inline const QList<QPair<QString, int>> ProtocolChoices = {{QStringLiteral("None"), 0}, {QStringLiteral("ACK/NAK"), 1}};
inline const QList<QPair<QString, int>> DataBitChoices = {{QStringLiteral("7位"), 1}, {QStringLiteral("8位"), 0}};
inline const QList<QPair<QString, int>> StopBitChoices = {
    {QStringLiteral("1"), 0}, {QStringLiteral("1.5"), 1}, {QStringLiteral("2"), 2}};
inline const QList<QPair<QString, int>> ParityChoices = {
    {QStringLiteral("无校验"), 0}, {QStringLiteral("奇校验"), 1}, {QStringLiteral("偶校验"), 2}};
// Where the system has no one and a half stop bits (everywhere but Windows).
inline const QString NoHalfStopBit = QStringLiteral("此系统的串口没有1.5位停止位：选择1.5时按2位停止位打开串口。");
} // namespace LinkTexts
