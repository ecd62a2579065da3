#include "core/views/list_window.h"

#include "core/store/engine_sql.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/views/data_kind.h"
#include "core/views/list_layout.h"
#include "core/views/list_rows.h"

#include <optional>

namespace
{
// The positions of a sorted list: position (from 1) to the table's rowid.
const QString OrderTable = EngineSql::OrderTable();

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
    const QString order = ListOrderOf(m_kind);
    if (order.isEmpty())
        m_ordered = false;
    else
        Order(order);
}

bool CListWindow::Order(const QString& orderBy)
{
    m_ordered = false;
    CStatement create(m_store, EngineSql::CreateOrderTable());
    if (!create.Execute())
        return false;
    CStatement empty(m_store, QStringLiteral("delete from ") + OrderTable);
    if (!empty.Execute())
        return false;
    CStatement fill(m_store, QStringLiteral("insert into %1(r) select rowid from %2 order by %3")
                                       .arg(OrderTable, m_table, orderBy));
    if (!fill.Execute())
        return false;
    m_ordered = true;
    return true;
}

bool CListWindow::SortBy(int column, bool descending)
{
    const QList<ListColumn>& layout = ListLayoutOf(m_kind);
    if (column < 0 || column >= layout.size())
        return false;
    m_sorted = Order(EngineSql::NumbersFirstKey(layout[column].source, descending));
    return m_sorted;
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
    CStatement rowid(m_store, QStringLiteral("select r from %1 where pos = ?").arg(OrderTable));
    rowid.BindInteger(1, row + 1);
    if (!rowid.Next())
        return -1;
    // Without gaps the rows before it in the list are those with a smaller rowid, counted off.
    if (m_dense)
        return rowid.Integer(0) - m_firstRowid;
    CStatement before(m_store, QStringLiteral("select count(*) from %1 where rowid < ?").arg(m_table));
    before.BindInteger(1, rowid.Integer(0));
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
    CStatement row(m_store, QStringLiteral("select pos from %1 where r = ?").arg(OrderTable));
    row.BindInteger(1, *rowid);
    return row.Next() ? row.Integer(0) - 1 : -1;
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
    CStatement query(m_store, ListSelectOf(m_kind, QStringLiteral("join %1 o on o.r = %2.rowid where o.pos "
                                                                        "between ? and ? order by o.pos")
                                                             .arg(OrderTable, m_table)));
    query.BindInteger(1, first + 1);
    query.BindInteger(2, first + count);
    return ReadCells(query, ListLayoutOf(m_kind));
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
