#include "core/download/received_copy.h"

#include "core/download/download_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

KeptCopy KeepReceivedBytes(const QString& databasePath, const QString& instrument, const QByteArray& bytes,
                           const QDateTime& when)
{
    KeptCopy copy;
    const QDir folder(QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("downloads")));
    if (!folder.mkpath(QStringLiteral(".")))
    {
        copy.error = DownloadTexts::NotKept(folder.path(), QStringLiteral("cannot create the folder"));
        return copy;
    }
    const QString stem = when.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + instrument;
    for (int number = 1;; ++number)
    {
        const QString name = stem + (number > 1 ? QStringLiteral("-%1").arg(number) : QString()) + QStringLiteral(".txt");
        QFile file(folder.filePath(name));
        // NewOnly: an earlier transfer's copy is never overwritten, even by a racing process.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        {
            if (file.exists())
                continue;
            copy.error = DownloadTexts::NotKept(file.fileName(), file.errorString());
            return copy;
        }
        if (file.write(bytes) != bytes.size() || !file.flush())
        {
            copy.error = DownloadTexts::NotKept(file.fileName(), file.errorString());
            file.close();
            file.remove();
            return copy;
        }
        copy.path = file.fileName();
        return copy;
    }
}
