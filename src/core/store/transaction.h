#pragma once

#include <QSqlDatabase>
#include <QString>

class CProjectStore;

// Bulk writes (a parse, an import, a settings save) go through one of these: either every
// statement lands or none does. Everything the same thread runs on the store meanwhile joins
// it. Transactions nest; an inner one that is not committed undoes only its own part.
// Destroyed without Commit, it rolls back.
class CTransaction
{
public:
    explicit CTransaction(CProjectStore& store);
    ~CTransaction();
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;

    bool IsActive() const { return m_active; } // false when the transaction could not begin
    bool Commit();                              // reports a failure and gives false
    void Rollback();

private:
    bool Run(const QString& sql);
    void RunQuietly(const QString& sql);

    CProjectStore& m_store;
    QSqlDatabase m_db;
    QString m_savepoint;
    bool m_active = false;
};
