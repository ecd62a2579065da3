#include "core/store/engine_statement.h"

#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QLocale>
#include <QVariant>

#include <sqlite3.h>

namespace
{
sqlite3* HandleOf(QSqlDatabase db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}
} // namespace

CEngineStatement::CEngineStatement(CProjectStore& store, const QString& sql) : m_store(store), m_db(HandleOf(store.Database()))
{
    if (!m_db)
    {
        m_failed = true;
        return;
    }
    const QByteArray text = AdaptStatement(sql).toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK)
    {
        Fail();
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

CEngineStatement::~CEngineStatement()
{
    sqlite3_finalize(m_statement);
}

bool CEngineStatement::Fail()
{
    if (!m_failed && m_db)
        m_store.ReportFailure(sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)));
    m_failed = true;
    return false;
}

void CEngineStatement::BindText(int position, QByteArrayView utf8)
{
    if (!m_statement)
        return;
    // An empty text stays a text, never no value: the tables keep the empty text.
    sqlite3_bind_text(m_statement, position, utf8.isEmpty() ? "" : utf8.data(), int(utf8.size()), SQLITE_TRANSIENT);
}

void CEngineStatement::BindInteger(int position, qint64 value)
{
    if (m_statement)
        sqlite3_bind_int64(m_statement, position, value);
}

bool CEngineStatement::Next()
{
    if (!m_statement || m_failed)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        return Fail();
    return false;
}

bool CEngineStatement::Execute()
{
    if (!m_statement || m_failed)
        return false;
    const int result = sqlite3_step(m_statement);
    sqlite3_reset(m_statement);
    return result == SQLITE_DONE || result == SQLITE_ROW || Fail();
}

int CEngineStatement::ColumnCount() const
{
    return m_statement ? sqlite3_column_count(m_statement) : 0;
}

QByteArrayView CEngineStatement::Utf8(int column)
{
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

qint64 CEngineStatement::Integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}
