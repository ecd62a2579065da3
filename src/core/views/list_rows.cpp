#include "core/views/list_rows.h"

#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "core/views/data_kind.h"
#include "core/views/list_layout.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

QList<QStringList> ReadListRows(CProjectStore& store, DataKind kind)
{
    const QList<ListColumn>& layout = ListLayoutOf(kind);
    const QString sql = FillStatementOf(kind);
    QList<QStringList> rows;
    if (layout.isEmpty() || sql.isEmpty())
        return rows;

    // Streams the rows straight from the engine: a list of a hundred thousand points must not
    // be copied through an intermediate cursor.
    QSqlQuery query(store.Database());
    query.setForwardOnly(true);
    if (!query.exec(AdaptStatement(sql)))
    {
        store.Reporter().Message(CProjectStore::Describe(query.lastError()));
        return rows;
    }
    const QSqlRecord record = query.record();
    QList<int> positions;
    for (const ListColumn& column : layout)
        positions << record.indexOf(column.source);

    while (query.next())
    {
        QStringList cells;
        cells.reserve(layout.size());
        for (qsizetype i = 0; i < layout.size(); ++i)
        {
            const QVariant value = positions[i] < 0 ? QVariant() : query.value(positions[i]);
            QString text = value.isNull() ? QString() : value.toString();
            if (layout[i].trimmed)
                text = text.trimmed();
            cells << text;
        }
        rows << cells;
    }
    return rows;
}

QStringList ListCaptionsOf(DataKind kind)
{
    QStringList captions;
    for (const ListColumn& column : ListLayoutOf(kind))
        captions << column.caption;
    return captions;
}
