#pragma once

#include "core/report/outcome.h"

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

// A file that is replaced whole or not at all. Everything goes to a temporary file beside the
// target; Commit checks every write, the last flush and the flush to the disk before the
// temporary takes the target's name. On any failure the temporary goes, an older file of that
// name stays as it was, and the outcome names the system's reason ("No space left on device").
// Every export writes through it, so no writer can report a file it did not write.
class CAtomicFile
{
public:
    explicit CAtomicFile(const QString& path);
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    // Creates the temporary file; false when the target's folder cannot take it.
    bool Open();
    // Appends bytes; false once anything has failed (later writes are dropped).
    bool Write(QByteArrayView bytes);
    // The file for writers that need a device (images, SVG, PDF); Commit checks it the same way.
    QIODevice& Device() { return m_file; }
    // Done when the target now holds everything written; otherwise WriteFailed naming the
    // reason, and the target untouched.
    Outcome Commit();
    // Gives up: the temporary goes, the target stays.
    void Cancel();
    // Gives up after a writer that drew into Device() failed: WriteFailed with the device's reason.
    Outcome Abandon();

private:
    Outcome Failed(const QString& reason);

    QSaveFile m_file;
    QString m_failure; // the first reason a write failed
};
