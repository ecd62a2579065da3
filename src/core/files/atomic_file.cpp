#include "core/files/atomic_file.h"

#include <QtGlobal>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace
{
// Asks the system to put the file's bytes on the disk: a disk that only finds out there that it
// is full (delayed allocation, a network share) says so here, still before the rename.
QString SyncFailure(int handle)
{
    if (handle < 0)
        return {};
#ifdef Q_OS_WIN
    const int result = ::_commit(handle);
#else
    const int result = ::fsync(handle);
#endif
    // A file system that cannot sync (a pipe, some FUSE mounts) says EINVAL: nothing is wrong.
    if (result == 0 || errno == EINVAL || errno == ENOTSUP)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}
} // namespace

CAtomicFile::CAtomicFile(const QString& path) : m_file(path)
{
}

bool CAtomicFile::Open()
{
    return m_file.open(QIODevice::WriteOnly);
}

bool CAtomicFile::Write(QByteArrayView bytes)
{
    if (!m_failure.isEmpty())
        return false;
    if (m_file.write(bytes.data(), bytes.size()) == bytes.size())
        return true;
    m_failure = m_file.errorString();
    return false;
}

Outcome CAtomicFile::Commit()
{
    if (!m_failure.isEmpty())
        return Failed(m_failure);
    // QSaveFile learns of a failed last flush too late to keep the rename from happening:
    // flush first and ask.
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError)
        return Failed(m_file.errorString());
    if (const QString reason = SyncFailure(m_file.handle()); !reason.isEmpty())
        return Failed(reason);
    if (!m_file.commit())
        return Failed(m_file.errorString());
    return {};
}

void CAtomicFile::Cancel()
{
    if (!m_file.isOpen())
        return;
    m_file.cancelWriting();
    m_file.commit(); // after a cancel this removes the temporary file and nothing else
}

Outcome CAtomicFile::Abandon()
{
    return Failed(m_failure.isEmpty() ? m_file.errorString() : m_failure);
}

Outcome CAtomicFile::Failed(const QString& reason)
{
    Cancel();
    // Qt words some failures it did not ask the system about as "Unknown error": the user is
    // told at least that writing failed, never that something unknown happened.
    const bool vague = reason.isEmpty() || reason.contains(QLatin1String("Unknown error"), Qt::CaseInsensitive);
    return {Status::WriteFailed, vague ? QString() : reason};
}
