#pragma once

#include "core/views/list_layout.h"
#include "core/views/list_rows.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class CListWindow;
class CProjectStore;

// The rows of the list as cell texts under a kind's column layout. Rows are read from the
// table only as they come into view, a window at a time, and only a few windows are kept:
// what a list costs does not grow with its rows.
class CListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit CListModel(CProjectStore& store, QObject* parent = nullptr);
    ~CListModel() override;

    void SetLayout(const QList<ListColumn>& layout); // drops every row and column first
    void ClearRows();
    // Shows the rows of a kind's table, in list order.
    void ShowRowsOf(DataKind kind);
    // Cells shown differently from the table until the rows are next shown or sorted.
    void SetOverlay(ListCellOverlay overlay);

    // Sorts the shown rows by a column, or restores the list order (nothing); false when the
    // engine failed (reported).
    bool SortRows(int column, std::optional<Qt::SortOrder> order);
    // Shows the rows in an order sorted elsewhere (on a worker): the rowids in shown order.
    void ShowSorted(int column, std::vector<qint64> rowids);
    int SortColumn() const { return m_sortColumn; }
    // Where a shown row stands in the list order, and the shown row of a list position: the
    // same while unsorted; −1 for none.
    int ListPositionOf(int row) const;
    int RowAtListPosition(int position) const;

    QString Cell(int row, int column) const; // empty outside the rows
    const QList<ListColumn>& Layout() const { return m_layout; }
    DataKind ShownKind() const; // 0 while no table's rows are shown
    const ListCellOverlay& Overlay() const { return m_overlay; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void RowCountChanged(qsizetype rows);

private:
    const QStringList* Row(int row) const;
    void DropRows();
    // Around a change of the shown order: the import's cells and the cached rows go.
    void BeginReorder();
    void EndReorder(int column);

    CProjectStore& m_store;
    QList<ListColumn> m_layout;
    std::unique_ptr<CListWindow> m_window;
    ListCellOverlay m_overlay;
    int m_sortColumn = -1;
    // A few windows of rows, the most recently used last.
    mutable QHash<qsizetype, QList<QStringList>> m_cache;
    mutable QList<qsizetype> m_recent;
};
