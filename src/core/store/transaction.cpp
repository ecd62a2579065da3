#include "core/store/transaction.h"

#include "core/report/reporter.h"
#include "core/store/project_store.h"

#include <QSqlError>
#include <QSqlQuery>

#include <unordered_map>

namespace
{
// Depth of open transactions per connection of this thread.
int& Depth(const QString& connection)
{
    thread_local std::unordered_map<std::u16string, int> depths;
    return depths[connection.toStdU16String()];
}
} // namespace

CTransaction::CTransaction(CProjectStore& store) : m_store(store), m_db(store.Database())
{
    int& depth = Depth(m_db.connectionName());
    // A writer takes the write lock at once, so it waits (busy time-out) instead of failing
    // half-way when another thread writes at the same moment.
    if (depth == 0)
        m_active = Run(QStringLiteral("BEGIN IMMEDIATE"));
    else
    {
        m_savepoint = QStringLiteral("merion_%1").arg(depth);
        m_active = Run(QStringLiteral("SAVEPOINT ") + m_savepoint);
    }
    if (m_active)
        ++depth;
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
    m_store.Reporter().Message(CProjectStore::Describe(query.lastError()));
    return false;
}

bool CTransaction::Commit()
{
    if (!m_active)
        return false;
    m_active = false;
    --Depth(m_db.connectionName());
    if (m_savepoint.isEmpty())
    {
        if (Run(QStringLiteral("COMMIT")))
            return true;
        Run(QStringLiteral("ROLLBACK"));
        return false;
    }
    return Run(QStringLiteral("RELEASE ") + m_savepoint);
}

void CTransaction::Rollback()
{
    if (!m_active)
        return;
    m_active = false;
    --Depth(m_db.connectionName());
    if (m_savepoint.isEmpty())
        Run(QStringLiteral("ROLLBACK"));
    else
        Run(QStringLiteral("ROLLBACK TO ") + m_savepoint) && Run(QStringLiteral("RELEASE ") + m_savepoint);
}
