#pragma once

#include "core/report/outcome.h"

#include <QString>
#include <QStringList>

// The files a project consists of: the database, the files SQLite keeps beside it (-wal, -shm,
// -journal) and the desktop program's single-instance locks (InstanceLockPaths). Overwriting any of them loses the
// project; even opening and closing one in this process drops SQLite's locks on the database,
// and another process may then delete our journal.
QStringList ProjectFilePaths(const QString& databasePath);

// Whether a file the user chose to read or write may be used, asked before anything opens it
// (this opens nothing): Done; ProjectFile when it is one of the project's files, by identity
// (device and inode where both exist, however they are reached: another path, a symbolic or a
// hard link) or else by the resolved path where a file does not exist yet; NameNotEncodable
// when the name holds characters that cannot reach the file system as they stand (a name whose
// bytes the file-name encoding could not read comes with U+FFFD in their place).
Outcome CheckChosenFile(const QString& path, const QString& databasePath);
