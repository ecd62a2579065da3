#include "gui/views/list_model.h"

void CListModel::SetLayout(const QList<ListColumn>& layout)
{
    beginResetModel();
    m_rows.clear();
    m_layout = layout;
    endResetModel();
}

void CListModel::ClearRows()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void CListModel::AppendRows(QList<QStringList> rows)
{
    if (rows.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    if (m_rows.isEmpty())
        m_rows = std::move(rows);
    else
        m_rows.append(std::move(rows));
    endInsertRows();
}

QString CListModel::Cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row].value(column);
}

int CListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_layout.size());
}

QVariant CListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_layout.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows[index.row()].value(index.column());
    if (role == Qt::TextAlignmentRole)
        return int(m_layout[index.column()].leftAligned ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
    return {};
}

QVariant CListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_layout.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_layout[section].caption;
    if (role == Qt::TextAlignmentRole)
        return int(m_layout[section].leftAligned ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
    return {};
}
