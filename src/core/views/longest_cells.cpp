#include "core/views/longest_cells.h"

#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/views/list_layout.h"
#include "core/views/list_rows.h"

QStringList LongestCells(CProjectStore& store, DataKind kind, const std::atomic<bool>* stop)
{
    const QList<ListColumn>& layout = ListLayoutOf(kind);
    const QString table = TableOf(kind);
    if (layout.isEmpty() || table.isEmpty())
        return {};
    QStringList longest;
    QByteArray buffer;
    for (const ListColumn& column : layout)
    {
        if (stop && stop->load())
            return {};
        const QString source = QuotedName(column.source);
        CStatement query(store, QStringLiteral("select %1 from %2 order by length(%1) desc limit 1")
                                    .arg(source, QuotedName(table)));
        if (!query.IsValid())
            return {};
        QString text;
        if (query.Next())
        {
            const QByteArrayView stored = query.Utf8(0);
            text = QString::fromUtf8(column.trimmed ? TrimmedCell(stored, buffer) : stored);
        }
        if (query.Failed())
            return {};
        longest << text;
    }
    return longest;
}
