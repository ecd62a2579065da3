#pragma once

#include <QString>
#include <QTemporaryDir>

// A private copy of a project database together with its write-ahead journal (-wal), for a
// project that can only be read. SQLite reads such a journal only through its index file
// (-shm), which a read-only folder or medium cannot hold; without it the engine would show
// the file as it stood before the journal's commits. The copy lies in a folder of its own
// that can hold the index, so the copy shows everything that was committed.
class CJournalSnapshot
{
public:
    // Copies `databasePath` and its journal; Error() says why when that fails.
    explicit CJournalSnapshot(const QString& databasePath);

    QString Path() const { return m_path; } // the copy to open; empty when it failed
    QString Error() const { return m_error; }

    // Whether a journal holding changes lies beside `databasePath`.
    static bool JournalHoldsChanges(const QString& databasePath);

private:
    QTemporaryDir m_folder;
    QString m_path;
    QString m_error;
};
