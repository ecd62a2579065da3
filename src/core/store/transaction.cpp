#include "core/store/transaction.h"

#include "core/report/reporter.h"
#include "core/store/connection_state.h"
#include "core/store/engine_sql.h"
#include "core/store/project_store.h"

#include <QSqlError>
#include <QSqlQuery>


CTransaction::CTransaction(CProjectStore& store) : m_store(store), m_db(store.Database())
{
    if (m_store.RefuseWrite())
        return;
    ConnectionState& state = StateOf(m_db.connectionName());
    // A writer takes the write lock at once, so it waits (busy time-out) instead of failing
    // half-way when another thread writes at the same moment.
    if (state.depth == 0)
        m_active = Run(EngineSql::BeginWrite());
    else
    {
        m_savepoint = QStringLiteral("merion_%1").arg(state.depth);
        m_active = Run(EngineSql::Savepoint(m_savepoint));
    }
    if (m_active)
        ++state.depth;
}

CTransaction::~CTransaction()
{
    Rollback();
}

bool CTransaction::Run(const QString& sql)
{
    QSqlQuery query(m_db);
    if (query.exec(sql))
        return true;
    m_store.ReportError(query.lastError());
    return false;
}

void CTransaction::RunQuietly(const QString& sql)
{
    QSqlQuery query(m_db);
    query.exec(sql);
}

bool CTransaction::Commit()
{
    if (!m_active)
        return false;
    if (TransactionBroken(m_db))
    {
        Rollback();
        return false;
    }
    m_active = false;
    --StateOf(m_db.connectionName()).depth;
    if (m_savepoint.isEmpty())
    {
        // A file deleted or replaced while the transaction ran took the commit with it: what
        // was committed is saved beside it, and the caller hears of a failure.
        if (Run(QStringLiteral("COMMIT")))
        {
            m_store.NoteWritten();
            return m_store.FileStillInPlace();
        }
        RunQuietly(QStringLiteral("ROLLBACK"));
        StateOf(m_db.connectionName()).broken = false;
        return false;
    }
    return Run(EngineSql::Release(m_savepoint));
}

void CTransaction::Rollback()
{
    if (!m_active)
        return;
    m_active = false;
    ConnectionState& state = StateOf(m_db.connectionName());
    --state.depth;
    if (state.broken)
    {
        // SQLite may have ended the transaction itself; the outermost rollback makes sure,
        // and says nothing whichever it finds.
        if (m_savepoint.isEmpty())
        {
            RunQuietly(QStringLiteral("ROLLBACK"));
            state.broken = false;
        }
        return;
    }
    if (m_savepoint.isEmpty())
        Run(QStringLiteral("ROLLBACK"));
    else
        Run(EngineSql::RollbackTo(m_savepoint)) && Run(EngineSql::Release(m_savepoint));
}
