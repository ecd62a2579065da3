#pragma once

#include "core/store/file_identity.h"

#include <QMutex>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <atomic>
#include <memory>

class CJournalSnapshot;
class IReporter;

// The project database. One object serves the whole process; every thread that uses it gets
// a connection of its own (SQLite connections belong to one thread). Statements run through
// CStatement (core/store/statement.h), each the caller's own, so threads never share a cursor.
class CProjectStore
{
public:
    CProjectStore(QString databasePath, IReporter* reporter);
    ~CProjectStore();
    CProjectStore(const CProjectStore&) = delete;
    CProjectStore& operator=(const CProjectStore&) = delete;

    // Opens this thread's connection and creates missing tables. A failure is reported once
    // with the engine's text; the program goes on and later statements report their own errors.
    bool Connect();

    // Closes this thread's connection. Record sets of this thread must be gone by then.
    void Disconnect();

    // Points the store at another project database: this thread's connection closes, and
    // the next statement of any thread opens the new file afresh (what the old one told, a
    // read-only reason or a rescue, goes with it). Only while no other thread uses the store.
    void Reopen(QString databasePath);

    const QString& DatabasePath() const { return m_databasePath; }
    IReporter& Reporter() const { return *m_reporter; }

    // This thread's connection, opened on first use (for transactions and bulk writes).
    QSqlDatabase Database();

    // The engine's description of an error, as the user is shown it.
    static QString Describe(const class QSqlError& error);

    // Tells the user about a failed statement of this thread: once, and in plain words when the
    // disk is full. A full disk inside a transaction breaks it (SQLite may already have rolled
    // it back): the transaction's further statements are refused without a word and it can
    // only roll back.
    void ReportError(const class QSqlError& error);
    // The same for a failure met on the engine itself: SQLite's result code and its text.
    void ReportFailure(int resultCode, const QString& description);

    // Why the project cannot be changed ("its folder cannot be written" …), empty when it can.
    // A project that cannot be written is opened for reading: lists and exports work.
    QString ReadOnlyReason() const;
    // Before a write: a read-only project tells the user why and gives true; so does a
    // transaction already broken by a full disk, silently.
    bool RefuseWrite();

    // Whether the file at the database's path is still the one this store opened. When it was
    // deleted or replaced meanwhile, what this process sees of the project (its latest changes
    // included) is saved beside it once, the user is told, and the answer is false: nothing
    // more is written to a file nobody will find again. Asked before each write transaction,
    // after each commit and at exit.
    bool FileStillInPlace();
    // Whether this process has changed the project since it opened it.
    bool HasWritten() const { return m_written.load(); }
    void NoteWritten() { m_written.store(true); }

private:
    QString ConnectionName() const;
    bool OpenConnection(QSqlDatabase& db);
    bool OpenForReading(QSqlDatabase& db, const QString& reason, bool quiet = false);
    // The private copy that shows a read-only project's journalled commits, made once.
    QString JournalSnapshotPath();
    QString JournalSnapshotError() const;
    // Saves what `db` sees of the project beside the database under a new name; empty (and
    // `failure` set) when that cannot be done.
    QString SaveBeside(const QSqlDatabase& db, QString& failure) const;

    QString m_databasePath;
    IReporter* m_reporter;
    quint64 m_serial; // names this store's connections; a reopened store takes a new one
    mutable QMutex m_stateMutex;
    QString m_readOnlyReason;
    std::unique_ptr<CJournalSnapshot> m_journalSnapshot;
    FileIdentity m_openedFile;    // the file the first writable connection opened
    QString m_rescuedAs;          // where what the moved file held was saved; empty until then
    std::atomic<bool> m_written{false};
};
