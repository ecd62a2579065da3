#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <atomic>
#include <memory>

class CRecordSet;
class IReporter;

// The project database. One object serves the whole process; every thread that uses it gets
// a connection of its own (SQLite connections belong to one thread), and every query hands
// its caller a record set of the caller's own, so threads never share a cursor.
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

    // Runs a query. The result is never null: after a failure (already reported) it is an
    // invalid record set that stands at its end.
    std::unique_ptr<CRecordSet> GetRecordSet(const QString& sql);

    // Runs a statement that yields no rows; a failure is reported and gives false.
    bool ExecuteSql(const QString& sql);

    // The same with values: each ? of the statement takes the next of `values`, bound rather
    // than written into the text, so whatever a name holds (quotes, a NUL byte) stays a value.
    std::unique_ptr<CRecordSet> GetRecordSet(const QString& sql, const QVariantList& values);
    bool ExecuteSql(const QString& sql, const QVariantList& values);

    // Closes this thread's connection. Record sets of this thread must be gone by then.
    void Disconnect();

    const QString& DatabasePath() const { return m_databasePath; }
    IReporter& Reporter() const { return *m_reporter; }

    // This thread's connection, opened on first use (for transactions and bulk writes).
    QSqlDatabase Database();

    // The engine's description of an error, as the user is shown it.
    static QString Describe(const class QSqlError& error);

    // Runs `sql` on `query`, with `values` bound to its ? marks when there are any.
    static bool RunStatement(class QSqlQuery& query, const QString& sql, const QVariantList& values);

private:
    QString ConnectionName() const;
    bool OpenConnection(QSqlDatabase& db);

    QString m_databasePath;
    IReporter* m_reporter;
    quint64 m_serial;
};
