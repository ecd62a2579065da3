#pragma once

#include <QString>

// What a path named as the serial device (--device) turned out to be when it could not be
// opened as one; Unknown when it is missing or held by another program (the usual words apply).
enum class DeviceKind
{
    Unknown,
    Folder,
    RegularFile,
    NoTerminal, // a device, but no serial line (/dev/null, a disk)
};

// `errorCode` is the system's error of the failed open.
DeviceKind NonSerialDeviceKind(const QString& path, int errorCode);
