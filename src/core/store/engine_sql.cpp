// The SQL that only SQLite understands, all of it: a second engine is a second file like this
// one (and one like sqlite_engine.cpp for its statements), and no feature changes.

#include "core/store/engine_sql.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"

#include <mutex>

#include <sqlite3.h>

namespace EngineSql
{
namespace
{
constexpr const char* ProbeFunction = "merion_engine";

void AnswerProbe(sqlite3_context* context, int, sqlite3_value**)
{
    sqlite3_result_int(context, 1);
}

// Every connection this copy of SQLite opens learns the probe function, so a connection that
// knows it was opened by the same library the program calls.
int TeachProbe(sqlite3* db, const char**, const void*)
{
    return sqlite3_create_function_v2(db, ProbeFunction, 0, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, AnswerProbe,
                                      nullptr, nullptr, nullptr);
}
} // namespace

QStringList ConnectionSetup()
{
    return {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=NORMAL")};
}

QString ReadableProbe()
{
    return QStringLiteral("select count(*) from sqlite_master");
}

QString ColumnNames()
{
    return QStringLiteral("select name from pragma_table_info(?)");
}

QString EmptyJournal()
{
    return QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)");
}

QString CopyInto()
{
    return QStringLiteral("VACUUM INTO ?");
}

QString BeginWrite()
{
    return QStringLiteral("BEGIN IMMEDIATE");
}

QString Savepoint(const QString& name)
{
    return QStringLiteral("SAVEPOINT ") + name;
}

QString Release(const QString& name)
{
    return QStringLiteral("RELEASE ") + name;
}

QString RollbackTo(const QString& name)
{
    return QStringLiteral("ROLLBACK TO ") + name;
}

QString RowId()
{
    return QStringLiteral("rowid");
}

QString StoredAsNumber(const QString& column)
{
    return QStringLiteral("(typeof(%1) IN ('integer','real'))").arg(column);
}

QString KeyTable()
{
    return QStringLiteral("temp.merion_row_keys");
}

QString CreateKeyTable()
{
    return QStringLiteral("create temp table if not exists merion_row_keys(k)");
}

QString NumberAllRows(const QString& table)
{
    return QStringLiteral("update %1 set %2 = numbered.n from (select rowid as r, row_number() over "
                          "(order by rowid) as n from %1) as numbered "
                          "where %1.rowid = numbered.r and %1.%2 is not numbered.n")
        .arg(QuotedName(table), QuotedName(Col::ID));
}

QString SameEngineProbe()
{
    return QStringLiteral("select %1()").arg(QLatin1String(ProbeFunction));
}

QString NumberRows(const QString& table, int runs)
{
    QString amount = QStringLiteral("?");
    if (runs > 1)
    {
        amount = QStringLiteral("case");
        for (int i = 1; i < runs; ++i)
            amount += QStringLiteral(" when rowid < ? then ?");
        amount += QStringLiteral(" else ? end");
    }
    return QStringLiteral("update %1 set %2 = rowid - %3 where %2 is not (rowid - %3)")
        .arg(QuotedName(table), QuotedName(Col::ID), amount);
}

QString EngineVersion()
{
    return QStringLiteral("SQLite ") + QString::fromLatin1(sqlite3_libversion());
}

void PrepareEngine()
{
    static std::once_flag once;
    std::call_once(once, [] { sqlite3_auto_extension(reinterpret_cast<void (*)()>(&TeachProbe)); });
}
Failure FailureOf(int nativeCode)
{
    switch (nativeCode & 0xff) // the primary code of an extended one
    {
    case SQLITE_NOMEM:
        return Failure::NoMemory;
    case SQLITE_READONLY:
        return Failure::ReadOnly;
    case SQLITE_IOERR:
        return Failure::IoError;
    case SQLITE_FULL:
        return Failure::DiskFull;
    case SQLITE_CANTOPEN:
        return Failure::CantOpen;
    default:
        return Failure::Other;
    }
}

} // namespace EngineSql
