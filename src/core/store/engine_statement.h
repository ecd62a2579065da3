#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

class CProjectStore;
struct sqlite3;
struct sqlite3_stmt;

// One prepared statement run straight on this thread's SQLite connection, for the few paths
// that move millions of values (the list window, show, exports, the import): values are bound
// by position as UTF-8 and read back as UTF-8 bytes, with none of the per-value conversions and
// lookups of the generic query layer. Table names stand bare (740Meas) as in every statement of
// the program. A failure is reported once through the store's reporter.
class CEngineStatement
{
public:
    CEngineStatement(CProjectStore& store, const QString& sql);
    ~CEngineStatement();
    CEngineStatement(const CEngineStatement&) = delete;
    CEngineStatement& operator=(const CEngineStatement&) = delete;

    bool IsValid() const { return m_statement != nullptr; }

    // Positions count from 1.
    void BindText(int position, QByteArrayView utf8);
    void BindInteger(int position, qint64 value);

    // Steps once: true while there is a row; false at the end or after a reported failure.
    bool Next();
    // Runs a statement that yields no rows (then resets it for the next bound values).
    bool Execute();
    bool Failed() const { return m_failed; }

    int ColumnCount() const;
    // The current row's value at `column` (from 0) as the list shows it, in UTF-8: no value is
    // empty, a whole number in decimal, a real number in the shortest form that reads back the
    // same (100 for 100.0), a text as stored.
    QByteArrayView Utf8(int column);
    qint64 Integer(int column) const;

private:
    bool Fail();

    CProjectStore& m_store;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    QList<QByteArray> m_numbers; // the texts of the current row's real numbers, by column
    bool m_failed = false;
};
