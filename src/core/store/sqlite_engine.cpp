// The project store's engine: SQLite, reached through the connection Qt's driver opened (so
// transactions, time-outs and read-only opening stay the driver's) and driven through SQLite's
// own interface for the statements themselves.

#include "core/store/engine_sql.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/store_texts.h"

#include "core/report/reporter.h"

#include <QHash>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>


namespace
{
// This thread's connections whose driver was proved to run on the program's own SQLite.
bool SharesEngine(QSqlDatabase& db)
{
    thread_local QHash<QString, bool> proved;
    const auto found = proved.constFind(db.connectionName());
    if (found != proved.constEnd())
        return *found;
    QSqlQuery probe(db);
    const bool same = probe.exec(EngineSql::SameEngineProbe());
    proved.insert(db.connectionName(), same);
    return same;
}

// The engine's handle of this thread's connection, when it is safe to call: a driver with a copy
// of SQLite of its own (as Qt's Windows builds ship it) would keep its own locks, and one copy
// closing the file drops the other's, so its handle is never used.
sqlite3* HandleOf(CProjectStore& store)
{
    QSqlDatabase db = store.Database();
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    if (!SharesEngine(db))
    {
        thread_local QHash<QString, bool> told;
        if (!told.value(db.connectionName()))
            store.Reporter().Message(StoreTexts::SeparateEngine);
        told.insert(db.connectionName(), true);
        return nullptr;
    }
    return *static_cast<sqlite3* const*>(handle.constData());
}
} // namespace

CStatement::CStatement(CProjectStore& store, const QString& sql) : m_store(store), m_db(HandleOf(store))
{
    if (!m_db)
    {
        m_failed = true;
        // A connection that never opened was told once; each statement then says what the
        // driver says of it, so no failure goes unheard.
        QSqlDatabase db = store.Database();
        if (!db.isOpen())
        {
            QSqlQuery query(db);
            query.exec(sql);
            store.ReportError(query.lastError());
        }
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK)
    {
        Fail();
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

CStatement::CStatement(CProjectStore& store, const QString& sql, const QVariantList& values) : CStatement(store, sql)
{
    BindAll(values);
}

CStatement::~CStatement()
{
    sqlite3_finalize(m_statement);
}

bool CStatement::Fail()
{
    if (!m_failed && m_db)
        m_store.ReportFailure(sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)));
    m_failed = true;
    return false;
}

void CStatement::BindText(int position, QByteArrayView utf8)
{
    if (!m_statement)
        return;
    // An empty text stays a text, never no value: the tables keep the empty text.
    sqlite3_bind_text(m_statement, position, utf8.isEmpty() ? "" : utf8.data(), int(utf8.size()), SQLITE_TRANSIENT);
}

void CStatement::BindText(int position, const QString& text)
{
    BindText(position, QByteArrayView(text.toUtf8()));
}

void CStatement::BindInteger(int position, qint64 value)
{
    if (m_statement)
        sqlite3_bind_int64(m_statement, position, value);
}

void CStatement::BindReal(int position, double value)
{
    if (m_statement)
        sqlite3_bind_double(m_statement, position, value);
}

void CStatement::BindNull(int position)
{
    if (m_statement)
        sqlite3_bind_null(m_statement, position);
}

void CStatement::Bind(int position, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return BindNull(position);
    switch (value.typeId())
    {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return BindInteger(position, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: return BindReal(position, value.toDouble());
    default: return BindText(position, value.toString());
    }
}

void CStatement::BindAll(const QVariantList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        Bind(int(i + 1), values[i]);
}

bool CStatement::Next()
{
    // Stepping past the end would start the query over.
    if (!m_statement || m_failed || m_done)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    m_done = true;
    if (result != SQLITE_DONE)
        return Fail();
    return false;
}

bool CStatement::Execute()
{
    if (!m_statement || m_failed)
        return false;
    const int result = sqlite3_step(m_statement);
    sqlite3_reset(m_statement);
    return result == SQLITE_DONE || result == SQLITE_ROW || Fail();
}

int CStatement::ColumnCount() const
{
    return m_statement ? sqlite3_column_count(m_statement) : 0;
}

int CStatement::ColumnIndex(const QString& name) const
{
    for (int column = 0; column < ColumnCount(); ++column)
        if (name.compare(QString::fromUtf8(sqlite3_column_name(m_statement, column)), Qt::CaseInsensitive) == 0)
            return column;
    return -1;
}

QByteArrayView CStatement::Utf8(int column)
{
    if (column < 0 || column >= ColumnCount())
        return {};
    switch (sqlite3_column_type(m_statement, column))
    {
    case SQLITE_NULL:
        return {};
    case SQLITE_FLOAT:
        // The engine writes 100.0 where the generic layer, and so every list before, shows 100.
        if (m_numbers.size() <= column)
            m_numbers.resize(column + 1);
        m_numbers[column] =
            QString::number(sqlite3_column_double(m_statement, column), 'g', QLocale::FloatingPointShortest).toUtf8();
        return m_numbers[column];
    default:
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        return QByteArrayView(text, sqlite3_column_bytes(m_statement, column));
    }
    }
}

QVariant CStatement::Value(int column) const
{
    if (column < 0 || column >= ColumnCount())
        return {};
    switch (sqlite3_column_type(m_statement, column))
    {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return qlonglong(sqlite3_column_int64(m_statement, column));
    case SQLITE_FLOAT: return sqlite3_column_double(m_statement, column);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_statement, column)),
                          sqlite3_column_bytes(m_statement, column));
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column)),
                                 sqlite3_column_bytes(m_statement, column));
    }
}

qint64 CStatement::Integer(int column) const
{
    return m_statement ? sqlite3_column_int64(m_statement, column) : 0;
}

bool CStatement::IsNull(int column) const
{
    return !m_statement || column < 0 || column >= ColumnCount() ||
           sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

bool RunStatement(CProjectStore& store, const QString& sql, const QVariantList& values)
{
    if (store.RefuseWrite())
        return false;
    CStatement statement(store, sql, values);
    if (!statement.Execute())
        return false;
    store.NoteWritten();
    return true;
}

std::optional<QVariant> QueryValue(CProjectStore& store, const QString& sql, const QVariantList& values)
{
    CStatement query(store, sql, values);
    if (query.Next())
        return query.Value(0);
    if (query.Failed())
        return std::nullopt;
    return QVariant();
}
