#pragma once

#include "core/download/parsed_job.h"

#include <QStringList>

// The rows a parse gives one table, each as its texts joined by '|' (the ID first), in the
// order they would be stored; empty when the parse gives that table nothing.
inline QStringList ParsedRows(const ParsedJob& job, const QString& table)
{
    QStringList rows;
    for (const TableRows& rowsOfTable : job.tables)
        if (rowsOfTable.table == table)
            for (const QStringList& row : rowsOfTable.rows)
                rows << row.join(QLatin1Char('|'));
    return rows;
}
