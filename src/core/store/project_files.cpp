#include "core/store/project_files.h"

#include "core/store/file_identity.h"
#include "core/store/instance_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{
Qt::CaseSensitivity FileNameCase()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

bool SameFile(const QString& chosen, const FileIdentity& chosenIdentity, const QString& projectFile)
{
    if (chosenIdentity.exists)
        if (const FileIdentity identity = IdentityOf(projectFile); identity.exists)
            return chosenIdentity == identity;
    return ResolvedPath(chosen).compare(ResolvedPath(projectFile), FileNameCase()) == 0;
}
} // namespace

QStringList ProjectFilePaths(const QString& databasePath)
{
    QStringList paths;
    // SQLite names its companions after the database's real path when it is reached by a link.
    QStringList databases{databasePath};
    const QString canonical = QFileInfo(databasePath).canonicalFilePath();
    if (!canonical.isEmpty() && canonical != databasePath)
        databases << canonical;
    for (const QString& database : databases)
        paths << database << database + QStringLiteral("-wal") << database + QStringLiteral("-shm")
              << database + QStringLiteral("-journal");
    paths << InstanceLockPaths(databasePath);
    return paths;
}

namespace
{
bool Encodable(const QString& path)
{
    if (path.contains(QChar(QChar::ReplacementCharacter)))
        return false;
#ifdef Q_OS_WIN
    return true; // names reach the system as UTF-16
#else
    return QFile::decodeName(QFile::encodeName(path)) == path;
#endif
}
} // namespace

Outcome CheckChosenFile(const QString& path, const QString& databasePath)
{
    if (!Encodable(path))
        return {Status::NameNotEncodable, path};
    const FileIdentity identity = IdentityOf(path);
    for (const QString& projectFile : ProjectFilePaths(databasePath))
        if (SameFile(path, identity, projectFile))
            return {Status::ProjectFile, QDir::toNativeSeparators(path)};
    return {};
}
