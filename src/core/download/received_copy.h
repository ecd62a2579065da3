#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QFile>
#include <QString>

#include <memory>

struct KeptCopy
{
    QString path;  // the file written; empty when none could be
    QString error; // why not, for the user
};

// A transfer's bytes in the folder `downloads` beside the database, as
// YYYYMMDD-HHMMSS-<instrument>.txt (…-2, -3 … when the name is taken), named by the time the
// transfer started: exactly the bytes a raw download would have saved. The copy grows as the
// bytes arrive, each piece handed to the system at once, so a crash, a kill or a pulled plug
// in the middle of a transfer loses nothing that was received. The file is made with the
// first byte; a transfer that brought none leaves none.
class CReceivedCopy
{
public:
    CReceivedCopy(QString databasePath, QString instrument, QDateTime started = QDateTime::currentDateTime());
    ~CReceivedCopy();
    CReceivedCopy(const CReceivedCopy&) = delete;
    CReceivedCopy& operator=(const CReceivedCopy&) = delete;

    // Appends `bytes`; false once the copy has failed. A failed copy leaves no half-written
    // file behind and takes nothing more (the caller still holds the bytes).
    bool Append(QByteArrayView bytes);
    QString Path() const;  // the file once it holds every byte given so far; empty otherwise
    QString Error() const { return m_error; } // why the copy failed, for the user

private:
    bool Create();
    void Fail(const QString& reason);

    QString m_databasePath;
    QString m_instrument;
    QDateTime m_started;
    std::unique_ptr<QFile> m_file;
    QString m_error;
};

// Keeps `bytes` at once as the copy above does.
KeptCopy KeepReceivedBytes(const QString& databasePath, const QString& instrument, const QByteArray& bytes,
                           const QDateTime& when = QDateTime::currentDateTime());
