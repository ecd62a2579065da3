#include "core/store/schema_check.h"

#include "core/store/engine_sql.h"
#include "core/store/schema.h"
#include "core/store/statement.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

QString MissingColumn(const QSqlDatabase& db)
{
    for (const Schema::Table& table : Schema::Tables())
    {
        QSqlQuery columns(db);
        columns.prepare(EngineSql::ColumnNames());
        columns.addBindValue(table.name);
        if (!columns.exec())
            continue; // the engine said why at the statement that needs it
        QStringList present;
        while (columns.next())
            present << columns.value(0).toString();
        // A table that does not exist (a read-only project made by an older program) has no
        // columns to miss: its statements fail on their own.
        if (present.isEmpty())
            continue;
        for (const Schema::Column& column : table.columns)
            if (!present.contains(column.name, Qt::CaseInsensitive))
                return table.name + QLatin1Char('.') + column.name;
    }
    return {};
}

bool HoldsTable(CProjectStore& store, const QString& table)
{
    CStatement columns(store, EngineSql::ColumnNames(), {table});
    return columns.Next();
}
