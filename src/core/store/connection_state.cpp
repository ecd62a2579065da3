#include "core/store/connection_state.h"

#include <unordered_map>

ConnectionState& StateOf(const QString& connection)
{
    thread_local std::unordered_map<std::u16string, ConnectionState> states;
    return states[connection.toStdU16String()];
}

bool TransactionBroken(const QSqlDatabase& db)
{
    const ConnectionState& state = StateOf(db.connectionName());
    return state.depth > 0 && state.broken;
}

bool InTransaction(const QSqlDatabase& db)
{
    return StateOf(db.connectionName()).depth > 0;
}

void MarkTransactionBroken(const QSqlDatabase& db)
{
    ConnectionState& state = StateOf(db.connectionName());
    if (state.depth > 0)
        state.broken = true;
}

