#pragma once

#include "file_bytes.h"
#include "core/store/project_store.h"
#include "core/store/record_set.h"

#include <QString>
#include <QStringList>

// Every row of a query as its column texts joined by '|', in the order returned.
inline QStringList TableRows(CProjectStore& store, const QString& sql)
{
    QStringList rows;
    for (auto set = store.GetRecordSet(sql); !set->IsEOF(); set->MoveNext())
    {
        QStringList cells;
        for (int i = 0; i < set->ColumnCount(); ++i)
            cells << set->GetText(i);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// Rows written by hand in a file of tests/data (UTF-8, one row a line, cells joined by '|').
inline QStringList ExpectedRows(const QString& name)
{
    return QString::fromUtf8(FileBytes(QStringLiteral(MERION_TEST_DATA "/") + name)).split('\n', Qt::SkipEmptyParts);
}
