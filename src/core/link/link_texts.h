#pragma once

#include "core/link/device_kind.h"
#include "core/report/shown_text.h"

#include <QString>

namespace LinkTexts
{
// %1 is the port number.
inline constexpr ShownText PortMissing = QT_TRANSLATE_NOOP("MERION", "COM%1 doesn't exist or be\nopened by another program!");
// A device named directly (the command line's --device) is named instead of a port number the user never chose.
inline constexpr ShownText DeviceMissing = QT_TRANSLATE_NOOP("MERION", "%1 doesn't exist or be\nopened by another program!");
// A device named directly that is no serial line at all.
inline constexpr ShownText DeviceIsFolder = QT_TRANSLATE_NOOP("MERION", "%1 is a folder, not a serial port!");
inline constexpr ShownText DeviceIsFile = QT_TRANSLATE_NOOP("MERION", "%1 is a regular file, not a serial port!");
inline constexpr ShownText DeviceNotSerial = QT_TRANSLATE_NOOP("MERION", "%1 is a device but not a serial port!");
// A second transfer asked for the port while one is running (download and upload share it).
inline constexpr ShownText PortBusy = QT_TRANSLATE_NOOP("MERION", "The serial port is busy with another transfer!");
// Where the system has no one and a half stop bits (everywhere but Windows).
inline constexpr ShownText NoHalfStopBit = QT_TRANSLATE_NOOP("MERION", "此系统的串口没有1.5位停止位：选择1.5时按2位停止位打开串口。");

// The port that could not be opened: the device where one was named, else the port's number.
inline QString PortUnavailable(int port, const QString& devicePath = {})
{
    return devicePath.isEmpty() ? PortMissing.Arg(port) : DeviceMissing.Arg(devicePath);
}

// Why a device named directly is no serial port; empty where its kind is unknown.
inline QString NotASerialPort(const QString& devicePath, DeviceKind kind)
{
    switch (kind)
    {
    case DeviceKind::Folder: return DeviceIsFolder.Arg(devicePath);
    case DeviceKind::RegularFile: return DeviceIsFile.Arg(devicePath);
    case DeviceKind::NoTerminal: return DeviceNotSerial.Arg(devicePath);
    case DeviceKind::Unknown: break;
    }
    return {};
}
}
