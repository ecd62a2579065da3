#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file, for byte-exact comparisons; "<missing>" when it cannot be read.
inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The text of a UTF-8 file; empty when it cannot be read.
inline QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
