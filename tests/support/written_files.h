#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes `bytes` to a new file at `path` and gives the path back.
inline QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// A coordinate file of `count` points in format (1), large enough to need many pages.
inline QByteArray ManyPoints(int count)
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("P%1,%2.125,%3.250,10.5,CODE%1\r\n").arg(i).arg(3000000 + i).arg(500000 + i).toUtf8();
    return text;
}
