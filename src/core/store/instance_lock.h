#pragma once

#include <QLockFile>
#include <QStringList>
#include <QString>

#include <memory>
#include <vector>

// Keeps a second copy of the program off a project that one already runs on, whatever path
// names it: a lock beside the database (found through symbolic links) and one named by the
// file's identity in the system's temporary folder (the same file under a hard link's name).
// A lock left by a crashed run names a process that no longer lives and does not block.
// Taking it never opens the database file: closing a descriptor of it would drop the running
// copy's engine locks.
// The lock files of the project at `databasePath` (the second only once the file exists).
QStringList InstanceLockPaths(const QString& databasePath);

class CInstanceLock
{
public:
    explicit CInstanceLock(const QString& databasePath);
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    // False only when a living copy holds one of the locks; a place where no lock can be made
    // (a read-only folder) keeps no one from the project.
    bool TryLock();

private:
    std::vector<std::unique_ptr<QLockFile>> m_locks;
};
