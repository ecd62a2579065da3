#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct KeptCopy
{
    QString path;  // the file written; empty when none could be
    QString error; // why not, for the user
};

// Keeps a transfer's bytes in the folder `downloads` beside the database, as
// YYYYMMDD-HHMMSS-<instrument>.txt (…-2, -3 … when the name is taken): exactly the bytes a
// raw download would have saved.
KeptCopy KeepReceivedBytes(const QString& databasePath, const QString& instrument, const QByteArray& bytes,
                           const QDateTime& when = QDateTime::currentDateTime());
