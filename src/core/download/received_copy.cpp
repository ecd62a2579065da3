#include "core/download/received_copy.h"

#include "core/download/download_texts.h"

#include <QDir>
#include <QFileInfo>

CReceivedCopy::CReceivedCopy(QString databasePath, QString instrument, QDateTime started)
    : m_databasePath(std::move(databasePath)), m_instrument(std::move(instrument)), m_started(std::move(started))
{
}

CReceivedCopy::~CReceivedCopy() = default;

bool CReceivedCopy::Create()
{
    const QDir folder(QFileInfo(m_databasePath).absoluteDir().filePath(QStringLiteral("downloads")));
    if (!folder.mkpath(QStringLiteral(".")))
    {
        m_error = DownloadTexts::NotKept.Arg(folder.path(), QStringLiteral("cannot create the folder"));
        return false;
    }
    const QString stem = m_started.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + m_instrument;
    for (int number = 1;; ++number)
    {
        const QString name = stem + (number > 1 ? QStringLiteral("-%1").arg(number) : QString()) + QStringLiteral(".txt");
        auto file = std::make_unique<QFile>(folder.filePath(name));
        // NewOnly: an earlier transfer's copy is never overwritten, even by a racing process.
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
        {
            m_file = std::move(file);
            return true;
        }
        if (!file->exists())
        {
            m_error = DownloadTexts::NotKept.Arg(file->fileName(), file->errorString());
            return false;
        }
    }
}

void CReceivedCopy::Fail(const QString& reason)
{
    m_error = DownloadTexts::NotKept.Arg(m_file->fileName(), reason);
    m_file->close();
    m_file->remove();
    m_file.reset();
}

bool CReceivedCopy::Append(QByteArrayView bytes)
{
    if (!m_error.isEmpty())
        return false;
    if (bytes.isEmpty())
        return true;
    if (!m_file && !Create())
        return false;
    // Flushed at once: what the system holds outlives this process.
    if (m_file->write(bytes.data(), bytes.size()) != bytes.size() || !m_file->flush())
    {
        Fail(m_file->errorString());
        return false;
    }
    return true;
}

QString CReceivedCopy::Path() const
{
    return m_file && m_error.isEmpty() ? m_file->fileName() : QString();
}

KeptCopy KeepReceivedBytes(const QString& databasePath, const QString& instrument, const QByteArray& bytes,
                           const QDateTime& when)
{
    CReceivedCopy copy(databasePath, instrument, when);
    copy.Append(bytes);
    return {copy.Path(), copy.Error()};
}
