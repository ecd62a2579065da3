#include "core/store/file_identity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

QString FileIdentity::Key() const
{
    return QStringLiteral("%1-%2").arg(device).arg(inode);
}

FileIdentity IdentityOf(const QString& path)
{
    FileIdentity identity;
#ifdef _WIN32
    // Attributes only: the file's contents and its locks are not touched.
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return identity;
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileInformationByHandle(file, &information))
    {
        identity.device = information.dwVolumeSerialNumber;
        identity.inode = (std::uint64_t(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
        identity.exists = true;
    }
    CloseHandle(file);
#else
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) == 0)
    {
        identity.device = std::uint64_t(status.st_dev);
        identity.inode = std::uint64_t(status.st_ino);
        identity.exists = true;
    }
#endif
    return identity;
}

QString ResolvedPath(const QString& path)
{
    constexpr int MaxLinkSteps = 40; // as many as the system follows before it gives up (ELOOP)
    QFileInfo file(path);
    if (file.exists())
        return file.canonicalFilePath();
    for (int step = 0; step < MaxLinkSteps && file.isSymLink(); ++step)
        file = QFileInfo(file.symLinkTarget());
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return QDir::cleanPath(file.absoluteFilePath());
    return QDir(folder).filePath(file.fileName());
}
