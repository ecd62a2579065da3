#include "core/store/instance_lock.h"

#include "core/store/file_identity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QStringList InstanceLockPaths(const QString& databasePath)
{
    QStringList paths{ResolvedPath(databasePath) + QStringLiteral(".lock")};
    if (const FileIdentity identity = IdentityOf(databasePath); identity.exists)
        paths << QDir::temp().filePath(QStringLiteral("merion-%1.lock").arg(identity.Key()));
    return paths;
}

CInstanceLock::CInstanceLock(const QString& databasePath)
{
    // A new project's file is made empty first (the engine takes an empty file as a new
    // database), so that it has an identity before any other copy can name it.
    if (!QFileInfo::exists(databasePath))
        QFile(databasePath).open(QIODevice::WriteOnly | QIODevice::NewOnly);
    for (const QString& path : InstanceLockPaths(databasePath))
    {
        auto lock = std::make_unique<QLockFile>(path);
        lock->setStaleLockTime(0);
        m_locks.push_back(std::move(lock));
    }
}

CInstanceLock::~CInstanceLock() = default;

bool CInstanceLock::TryLock()
{
    for (const std::unique_ptr<QLockFile>& lock : m_locks)
        if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError)
        {
            for (const std::unique_ptr<QLockFile>& taken : m_locks)
                taken->unlock(); // only unlocks what this one holds
            return false;
        }
    return true;
}
