#pragma once

#include <QSqlDatabase>
#include <QString>

// What this thread knows of each of its connections: how deep its transactions are nested and
// whether the open one broke.
struct ConnectionState
{
    int depth = 0;       // open transactions, savepoints included
    bool broken = false; // see TransactionBroken
};
ConnectionState& StateOf(const QString& connection);

// A statement of the open transaction on `db` (this thread's connection) failed for want of
// space or by an I/O error: SQLite may have rolled the transaction back already, so nothing
// more may run in it and it can only end in a rollback.
bool TransactionBroken(const QSqlDatabase& db);
// Whether a transaction of this thread is open on `db`.
bool InTransaction(const QSqlDatabase& db);
void MarkTransactionBroken(const QSqlDatabase& db);
