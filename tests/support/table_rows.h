#pragma once

#include "file_bytes.h"
#include "core/store/project_store.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"

#include <QString>
#include <QStringList>

// Every row of a query as its column texts joined by '|', in the order returned.
inline QStringList TableRows(CProjectStore& store, const QString& sql)
{
    QStringList rows;
    CStatement query(store, sql);
    while (query.Next())
    {
        QStringList cells;
        for (int i = 0; i < query.ColumnCount(); ++i)
            cells << query.Text(i);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// The rows of a table; −1 when the count failed (reported).
inline int CountRows(CProjectStore& store, const QString& table)
{
    return QueryValue(store, Sql("select count(*) from %1", {table})).value_or(QVariant(-1)).toInt();
}

// Rows written by hand in a file of tests/data (UTF-8, one row a line, cells joined by '|').
inline QStringList ExpectedRows(const QString& name)
{
    return QString::fromUtf8(FileBytes(QStringLiteral(MERION_TEST_DATA "/") + name)).split('\n', Qt::SkipEmptyParts);
}
