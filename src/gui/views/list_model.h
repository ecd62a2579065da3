#pragma once

#include "core/views/list_layout.h"

#include <QAbstractTableModel>
#include <QStringList>

// The rows of the list as cell texts under a kind's column layout.
class CListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetLayout(const QList<ListColumn>& layout); // drops every row and column first
    void ClearRows();
    void AppendRows(QList<QStringList> rows);

    QString Cell(int row, int column) const; // empty outside the rows
    const QList<ListColumn>& Layout() const { return m_layout; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<ListColumn> m_layout;
    QList<QStringList> m_rows;
};
