#include "core/link/device_kind.h"

#include <QFileInfo>

#include <cerrno>

DeviceKind NonSerialDeviceKind(const QString& path, int errorCode)
{
    if (path.isEmpty())
        return DeviceKind::Unknown;
    const QFileInfo file(path);
    if (file.isDir())
        return DeviceKind::Folder;
    if (file.isFile())
        return DeviceKind::RegularFile;
    // A device the line settings do not apply to: the system says it is no terminal.
    if (file.exists() && errorCode == ENOTTY)
        return DeviceKind::NoTerminal;
    return DeviceKind::Unknown;
}
