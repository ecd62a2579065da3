#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

// Everything the program says that only SQLite understands, in one place, so that a second
// engine is one more file like sqlite_engine.cpp and no feature changes.
namespace EngineSql
{
// Run on every connection that may write, before the tables are made.
QStringList ConnectionSetup();
// A read that succeeds only when the file is a database the engine can read.
QString ReadableProbe();
// The names of the columns of the table named by its ? mark, one row each; no rows when the
// table does not exist.
QString ColumnNames();

// Writes the journal's commits back into the database file and empties the journal.
QString EmptyJournal();
// Copies the whole database, as this connection sees it, into the new file named by its ? mark.
QString CopyInto();

// Transactions: a writer takes the write lock at once; nested ones are savepoints.
QString BeginWrite();
QString Savepoint(const QString& name);
QString Release(const QString& name);
QString RollbackTo(const QString& name);

// The engine's own number of a row, in the order rows were stored.
QString RowId();
// The engine and the version of its library, as the About box names them ("SQLite 3.40.1").
QString EngineVersion();
// An expression that is 1 where the (quoted) column holds a number as the engine keeps it, not a
// text, and 0 elsewhere.
QString StoredAsNumber(const QString& column);
// A table of this connection's own, in its temporary store, never in the project database: the
// keys of the rows a statement is to pick, one a row in its column `k`.
QString KeyTable();
QString CreateKeyTable();
// Sets ID to 1, 2, 3 … in rowid order, writing only the rows whose number changes.
QString NumberAllRows(const QString& table);
// The same where the rowids run in `runs` runs without gaps: each row's number is its rowid less
// the amount of its run. Its ? marks take, for every run but the last, the first rowid of the
// next run and this run's amount, then the last run's amount; and all of that twice.
QString NumberRows(const QString& table, int runs);

// What a failure the driver reported means for the store, from the engine's own result code
// (the driver's native error code, extended codes included).
enum class Failure
{
    NoMemory,
    ReadOnly,
    IoError,
    DiskFull,
    CantOpen,
    Other
};
Failure FailureOf(int nativeCode);

// A query that succeeds only on a connection opened by the program's own SQLite library.
QString SameEngineProbe();
// Lets the store prove that Qt's driver and the direct calls share one SQLite library: called
// once before the first connection opens.
void PrepareEngine();
} // namespace EngineSql
