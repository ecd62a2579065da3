#include "restricted_folder.h"

#include "core/store/store_texts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStorageInfo>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

bool RunCommand(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool RunningAsRoot()
{
#ifdef Q_OS_WIN
    return false;
#else
    return ::geteuid() == 0;
#endif
}

CReadOnlyFolder::CReadOnlyFolder(QString path) : m_path(std::move(path))
{
#ifdef Q_OS_WIN
    // A folder's read-only attribute does not stop programs writing into it on Windows.
    return;
#endif
    if (RunningAsRoot())
    {
        m_mounted = RunCommand("mount", {"--bind", m_path, m_path});
        m_ready = m_mounted && RunCommand("mount", {"-o", "remount,bind,ro", m_path, m_path});
    }
    else
        m_ready = QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                   | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

CReadOnlyFolder::~CReadOnlyFolder()
{
    if (m_mounted)
        RunCommand("umount", {m_path});
    else
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString CReadOnlyFolder::ExpectedReason() const
{
    return m_mounted ? StoreTexts::MediumReadOnly : StoreTexts::FolderReadOnly;
}

CSmallDisk::CSmallDisk(QString path, int kibibytes) : m_path(std::move(path))
{
    m_ready = RunningAsRoot()
              && RunCommand("mount", {"-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(kibibytes), "tmpfs", m_path});
}

CSmallDisk::~CSmallDisk()
{
    if (m_ready)
        RunCommand("umount", {m_path});
}

bool CSmallDisk::Fill()
{
    QFile filler(QDir(m_path).filePath("filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush())
        ;
    filler.close();
    return QStorageInfo(m_path).bytesAvailable() == 0;
}
