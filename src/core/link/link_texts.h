#pragma once

#include "core/link/device_kind.h"
#include "core/report/shown_text.h"

#include <QString>

namespace LinkTexts
{
// %1 is the port number.
inline QString PortUnavailable(int port)
{
    return QCoreApplication::translate("MERION", "COM%1 doesn't exist or be\nopened by another program!").arg(port);
}

// A device named directly (the command line's --device) is named in the message instead of
// a port number the user never chose.
inline QString PortUnavailable(int port, const QString& devicePath)
{
    if (devicePath.isEmpty())
        return PortUnavailable(port);
    return QCoreApplication::translate("MERION", "%1 doesn't exist or be\nopened by another program!").arg(devicePath);
}

// A device named directly that is no serial line at all.
inline QString NotASerialPort(const QString& devicePath, DeviceKind kind)
{
    switch (kind)
    {
    case DeviceKind::Folder:
        return QCoreApplication::translate("MERION", "%1 is a folder, not a serial port!").arg(devicePath);
    case DeviceKind::RegularFile:
        return QCoreApplication::translate("MERION", "%1 is a regular file, not a serial port!").arg(devicePath);
    case DeviceKind::NoTerminal:
        return QCoreApplication::translate("MERION", "%1 is a device but not a serial port!").arg(devicePath);
    case DeviceKind::Unknown: break;
    }
    return {};
}

// A second transfer asked for the port while one is running (download and upload share it).
inline constexpr ShownText PortBusy = QT_TRANSLATE_NOOP("MERION", "The serial port is busy with another transfer!");

// Where the system has no one and a half stop bits (everywhere but Windows).
inline constexpr ShownText NoHalfStopBit =
    QT_TRANSLATE_NOOP("MERION", "此系统的串口没有1.5位停止位：选择1.5时按2位停止位打开串口。");
} // namespace LinkTexts
