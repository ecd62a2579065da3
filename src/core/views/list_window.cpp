#include "core/views/list_window.h"

#include "core/store/engine_sql.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/views/data_kind.h"
#include "core/views/list_layout.h"
#include "core/views/list_rows.h"
#include "core/views/list_sort.h"

#include <QHash>

#include <algorithm>
#include <optional>

namespace
{
std::optional<qint64> Single(CProjectStore& store, const QString& sql)
{
    CStatement query(store, sql);
    if (!query.Next())
        return std::nullopt;
    return query.Integer(0);
}
} // namespace

CListWindow::CListWindow(CProjectStore& store, DataKind kind) : m_store(store), m_kind(kind), m_table(QuotedName(TableOf(kind)))
{
    if (ListLayoutOf(kind).isEmpty() || TableOf(kind).isEmpty())
        return;
    // Three statements, so that the engine counts the rows from its pages and finds each end
    // of the rowids in one step; asked together it would read every row.
    const std::optional<qint64> count = Single(store, QStringLiteral("select count(*) from ") + m_table);
    const std::optional<qint64> first = Single(store, QStringLiteral("select min(rowid) from ") + m_table);
    const std::optional<qint64> last = Single(store, QStringLiteral("select max(rowid) from ") + m_table);
    if (!count || !first || !last)
        return;
    m_rowCount = *count;
    m_firstRowid = *first;
    m_dense = m_rowCount == 0 || *last - *first + 1 == m_rowCount;
    OrderAsListed();
}

void CListWindow::OrderAsListed()
{
    m_ordered = false;
    m_order.clear();
    const QString order = ListOrderOf(m_kind);
    if (order.isEmpty())
        return;
    // Only the alignment has an order of its own, and it is a short list.
    CStatement query(m_store, QStringLiteral("select %1 from %2 order by %3").arg(EngineSql::RowId(), m_table, order));
    while (query.Next())
        m_order.push_back(query.Integer(0));
    m_ordered = !query.Failed();
}

bool CListWindow::SortBy(int column, bool descending)
{
    std::optional<std::vector<qint64>> rowids = SortedRowids(m_store, m_kind, column, descending);
    if (!rowids)
    {
        m_sorted = false;
        OrderAsListed();
        return false;
    }
    ShowSorted(std::move(*rowids));
    return true;
}

void CListWindow::ShowSorted(std::vector<qint64> rowids)
{
    m_order = std::move(rowids);
    m_ordered = true;
    m_sorted = true;
}

void CListWindow::ClearSort()
{
    m_sorted = false;
    OrderAsListed();
}

qsizetype CListWindow::ListPositionOf(qsizetype row)
{
    if (row < 0 || row >= m_rowCount)
        return -1;
    // Unsorted, and the alignment, whose list order is its chainage order, need no mapping.
    if (!m_sorted || m_kind == DataKind::Alignment)
        return row;
    if (size_t(row) >= m_order.size())
        return -1;
    const qint64 rowid = m_order[size_t(row)];
    // Without gaps the rows before it in the list are those with a smaller rowid, counted off.
    if (m_dense)
        return rowid - m_firstRowid;
    CStatement before(m_store, QStringLiteral("select count(*) from %1 where rowid < ?").arg(m_table));
    before.BindInteger(1, rowid);
    return before.Next() ? before.Integer(0) : -1;
}

qsizetype CListWindow::RowAtListPosition(qsizetype position)
{
    if (position < 0 || position >= m_rowCount)
        return -1;
    if (!m_sorted || m_kind == DataKind::Alignment)
        return position;
    const std::optional<qint64> rowid = RowidAtListPosition(position);
    if (!rowid)
        return -1;
    // Asked once per pick on the plan: a sweep through a million rowids takes a millisecond.
    const auto found = std::find(m_order.begin(), m_order.end(), *rowid);
    return found == m_order.end() ? -1 : qsizetype(found - m_order.begin());
}

std::optional<qint64> CListWindow::RowidAtListPosition(qsizetype position)
{
    if (m_dense)
        return m_firstRowid + position;
    // Rowids with gaps: the engine steps over the rows before it.
    CStatement rowid(m_store, QStringLiteral("select rowid from %1 order by rowid limit 1 offset ?").arg(m_table));
    rowid.BindInteger(1, position);
    if (!rowid.Next())
        return std::nullopt;
    return rowid.Integer(0);
}

QList<QStringList> CListWindow::Rows(qsizetype first, qsizetype count)
{
    if (first < 0 || first >= m_rowCount || count <= 0)
        return {};
    count = qMin(count, m_rowCount - first);
    return m_ordered ? OrderedRows(first, count) : StoredRows(first, count);
}

namespace
{
// The rows a statement gives, `columns` cells each, trimmed where the layout says so.
QList<QStringList> ReadCells(CStatement& query, const QList<ListColumn>& layout, QList<qint64>* rowids = nullptr)
{
    QList<QStringList> rows;
    QByteArray buffer;
    while (query.Next())
    {
        QStringList cells;
        cells.reserve(layout.size());
        for (int column = 0; column < layout.size(); ++column)
        {
            const QByteArrayView stored = query.Utf8(column);
            cells << QString::fromUtf8(layout[column].trimmed ? TrimmedCell(stored, buffer) : stored);
        }
        if (rowids)
            *rowids << query.Integer(int(layout.size()));
        rows << cells;
    }
    return rows;
}
} // namespace

QList<QStringList> CListWindow::OrderedRows(qsizetype first, qsizetype count)
{
    if (size_t(first) >= m_order.size())
        return {};
    count = qMin(count, qsizetype(m_order.size()) - first);
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    CStatement query(m_store, ListSelectOf(m_kind, QStringLiteral("where %1.rowid in (%2)").arg(m_table, marks.join(QLatin1Char(','))),
                                           true));
    for (qsizetype i = 0; i < count; ++i)
        query.BindInteger(int(i) + 1, m_order[size_t(first + i)]);
    QList<qint64> rowids;
    const QList<QStringList> rows = ReadCells(query, ListLayoutOf(m_kind), &rowids);
    // The engine gives them in its own order; the list wants them in its.
    QHash<qint64, qsizetype> rowOf;
    for (qsizetype i = 0; i < rowids.size(); ++i)
        rowOf.insert(rowids[i], i);
    QList<QStringList> ordered;
    ordered.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
    {
        // A row gone since the list was sorted shows empty, and the rest keep their places.
        const auto found = rowOf.constFind(m_order[size_t(first + i)]);
        ordered << (found == rowOf.constEnd() ? QStringList() : rows[*found]);
    }
    return ordered;
}

QList<QStringList> CListWindow::StoredRows(qsizetype first, qsizetype count)
{
    const QList<ListColumn>& layout = ListLayoutOf(m_kind);
    if (m_dense)
    {
        CStatement query(m_store, ListSelectOf(m_kind, QStringLiteral("where rowid between ? and ? order by rowid")));
        query.BindInteger(1, m_firstRowid + first);
        query.BindInteger(2, m_firstRowid + first + count - 1);
        return ReadCells(query, layout);
    }
    // Rowids with gaps (rows were deleted): step from the nearest row whose rowid is known.
    auto anchor = m_anchors.upperBound(first);
    qsizetype from = 0;
    qint64 rowid = m_firstRowid;
    if (anchor != m_anchors.begin())
    {
        --anchor;
        from = anchor.key();
        rowid = anchor.value();
    }
    CStatement query(m_store,
                           ListSelectOf(m_kind, QStringLiteral("where rowid >= ? order by rowid limit ? offset ?"), true));
    query.BindInteger(1, rowid);
    query.BindInteger(2, count);
    query.BindInteger(3, first - from);
    QList<qint64> rowids;
    QList<QStringList> rows = ReadCells(query, layout, &rowids);
    if (!rowids.isEmpty())
        m_anchors.insert(first, rowids.first());
    return rows;
}
