#include "gui/views/list_model.h"

#include "core/views/list_window.h"

namespace
{
constexpr qsizetype WindowRows = 128;
constexpr qsizetype CachedWindows = 16;
} // namespace

CListModel::CListModel(CProjectStore& store, QObject* parent) : QAbstractTableModel(parent), m_store(store)
{
}

CListModel::~CListModel() = default;

void CListModel::DropRows()
{
    m_window.reset();
    m_overlay = {};
    m_sortColumn = -1;
    m_cache.clear();
    m_recent.clear();
}

void CListModel::SetLayout(const QList<ListColumn>& layout)
{
    beginResetModel();
    DropRows();
    m_layout = layout;
    endResetModel();
    emit RowCountChanged(0);
}

void CListModel::ClearRows()
{
    if (!m_window)
        return;
    beginResetModel();
    DropRows();
    endResetModel();
    emit RowCountChanged(0);
}

void CListModel::ShowRowsOf(DataKind kind)
{
    beginResetModel();
    DropRows();
    m_window = std::make_unique<CListWindow>(m_store, kind);
    endResetModel();
    emit RowCountChanged(m_window->RowCount());
}

void CListModel::SetOverlay(ListCellOverlay overlay)
{
    m_overlay = std::move(overlay);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

void CListModel::BeginReorder()
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CListModel::EndReorder(int column)
{
    m_sortColumn = column;
    // The import's cells belong to the rows as the file gave them.
    m_overlay = {};
    m_cache.clear();
    m_recent.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

bool CListModel::SortRows(int column, std::optional<Qt::SortOrder> order)
{
    if (!m_window)
        return false;
    BeginReorder();
    bool sorted = true;
    if (order)
        sorted = m_window->SortBy(column, *order == Qt::DescendingOrder);
    else
        m_window->ClearSort();
    EndReorder(order && sorted ? column : -1);
    return sorted;
}

void CListModel::ShowSorted(int column, std::vector<qint64> rowids)
{
    if (!m_window)
        return;
    BeginReorder();
    m_window->ShowSorted(std::move(rowids));
    EndReorder(column);
}

int CListModel::ListPositionOf(int row) const
{
    return m_window ? int(m_window->ListPositionOf(row)) : -1;
}

int CListModel::RowAtListPosition(int position) const
{
    return m_window ? int(m_window->RowAtListPosition(position)) : -1;
}

DataKind CListModel::ShownKind() const
{
    return m_window ? m_window->Kind() : DataKind::None;
}

const QStringList* CListModel::Row(int row) const
{
    if (!m_window || row < 0 || row >= m_window->RowCount())
        return nullptr;
    const qsizetype window = row / WindowRows;
    auto found = m_cache.find(window);
    if (found == m_cache.end())
    {
        if (m_recent.size() >= CachedWindows)
            m_cache.remove(m_recent.takeFirst());
        found = m_cache.insert(window, m_window->Rows(window * WindowRows, WindowRows));
    }
    else
        m_recent.removeOne(window);
    m_recent << window;
    const qsizetype at = row - window * WindowRows;
    return at < found->size() ? &(*found)[at] : nullptr;
}

QString CListModel::Cell(int row, int column) const
{
    if (column == m_overlay.column)
    {
        const auto overlaid = m_overlay.texts.constFind(row);
        if (overlaid != m_overlay.texts.constEnd())
            return *overlaid;
    }
    const QStringList* cells = Row(row);
    return cells ? cells->value(column) : QString();
}

int CListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_window ? 0 : int(m_window->RowCount());
}

int CListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_layout.size());
}

QVariant CListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= m_layout.size())
        return {};
    if (role == Qt::DisplayRole)
        return Cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
    {
        // Numbers stand right-aligned so that their decimal points line up down the column.
        bool number = false;
        Cell(index.row(), index.column()).toDouble(&number);
        if (number)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(m_layout[index.column()].leftAligned ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
    }
    return {};
}

QVariant CListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_layout.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_layout[section].ShownCaption();
    if (role == Qt::TextAlignmentRole)
        return int(m_layout[section].leftAligned ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
    return {};
}
