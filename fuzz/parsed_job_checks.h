#pragma once

#include "core/download/parsed_job.h"

#include <cstdlib>

// What every parse must give, whatever the text: every row as wide as its table's columns,
// IDs in the order the rows are stored, and only tables the job says it replaces.
inline void CheckParsedJob(const ParsedJob& job)
{
    for (const TableRows& table : job.tables)
    {
        if (!job.replaces.contains(table.table) || table.columns.value(0) != QLatin1String("ID"))
            std::abort();
        long previous = 0;
        for (const QStringList& row : table.rows)
        {
            bool number = false;
            const long id = row.value(0).toLong(&number);
            if (row.size() != table.columns.size() || !number || id <= previous)
                std::abort();
            previous = id;
        }
    }
}
