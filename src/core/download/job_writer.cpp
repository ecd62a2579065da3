#include "core/download/job_writer.h"

#include "core/store/bulk_insert.h"
#include "core/store/discarded_copy.h"
#include "core/store/project_store.h"
#include "core/store/transaction.h"

Outcome StoreParsedJob(CProjectStore& store, const ParsedJob& job)
{
    const Outcome refused{Status::DatabaseError};
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return refused;
    for (const QString& table : job.replaces)
        if (!DiscardRows(store, table))
            return refused;
    for (const TableRows& table : job.tables)
    {
        CBulkInsert insert(store, table.table, table.columns);
        for (const QStringList& row : table.rows)
            if (!insert.Add(row.first().toLongLong(), row.mid(1)))
                return refused;
        if (!insert.Finish())
            return refused;
    }
    if (!transaction.Commit())
        return refused;
    return {};
}
