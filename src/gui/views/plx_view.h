#pragma once

#include "core/views/data_kind.h"
#include "gui/views/column_fitter.h"
#include "gui/views/list_sorter.h"

#include <QPointer>
#include <QTableView>

#include <optional>

class CCommandActions;
class CListModel;
class CSession;
class QLabel;
class QMenu;
class QProgressBar;
struct ListCellOverlay;

// The program's one data window: the rows of the table that the current data kind selects. It
// follows the session (the kind, a table shown afresh) and tells it which rows are selected; its
// context menu and double-click run the program's commands.
class CPlxView : public QTableView
{
    Q_OBJECT
public:
    CPlxView(CSession& session, const CCommandActions& commands, QWidget* parent = nullptr);

    // Drops every row and column and sets up the columns of the current data kind.
    void OnUpdate();
    // Shows the rows of a kind's table (the caller has updated the view first). Rows are read
    // as they come into view.
    void Fill(DataKind kind);
    // Cells shown as an import gave them rather than as the table keeps them, until the next fill.
    void ShowOverlay(ListCellOverlay overlay);
    void ClearRows();
    // Sets the kind, empties the list, updates the views and fills: the three show commands.
    void ShowTable(DataKind kind);

    // The row under the cursor at the last right-click or double-click, or the selected row when
    // a command came from the menu bar: the row the editing commands act on; −1 for none.
    int RememberedRow() const { return m_rememberedRow; }
    void SetRememberedRow(int row) { m_rememberedRow = row; }
    // The key of the row last offered for deletion.
    const QString& DeleteKey() const { return m_deleteKey; }
    void SetDeleteKey(const QString& key) { m_deleteKey = key; }

    QString CellText(int row, int column) const;
    int RowCount() const;
    CListModel& Model() const { return *m_model; }
    // The one selected row, −1 when none or several.
    int SelectedRow() const;
    // Every selected row, in ascending order.
    QList<int> SelectedRows() const;

    // A status bar pane that shows how many rows the list holds.
    QLabel* CreateRowCountPane(QWidget* parent);

    // A status bar pane that shows how far a sort has got, with a button that cancels it;
    // hidden while no sort runs.
    QWidget* CreateSortPane(QWidget* parent);

    // Clicking a column header sorts by it: ascending, descending, then the stored order again.
    // A long list is sorted on a worker while the list stays usable in its old order; a click
    // meanwhile cancels that sort for the next step.
    void SortByColumn(int column);
    bool IsSorting() const { return m_sorting; }
    // Stops a sort that is still running; the list keeps the order it shows.
    void CancelSort();

    // The context menu of the current kind for a right-click on `row` (−1: below the rows),
    // or nullptr for kinds without one. The caller owns it.
    QMenu* CreateContextMenu(int row);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ApplyColumnWidths(bool fitRows);
    // Widens the columns to the longest text each holds, found on a worker for a long list.
    void FitToLongest();
    void WidenTo(const QStringList& longest);
    void RememberColumnWidth(int column, int width);
    int FittedWidth(int column, bool fitRows) const;
    void TellSelection();
    void StartSort(int column, Qt::SortOrder order);
    void FinishSort(int column, Qt::SortOrder order, const CListSorter::Result& result);
    void ShowSortIndicator(int column, std::optional<Qt::SortOrder> order, bool sorted);
    void ShowSortProgress(qint64 done, qint64 total);
    void ShowShownOrder();
    void SelectListPosition(int position);

    CSession& m_session;
    const CCommandActions& m_commands;
    CListModel* m_model;
    int m_rememberedRow = -1;
    QString m_deleteKey;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_settingWidths = false; // widths set by the program, not by the user
    // The sort running on a worker, if any: what it sorts by, and the ticket its result must
    // carry to be shown (a cancelled sort's late result is not).
    bool m_sorting = false;
    int m_sortingColumn = -1;
    Qt::SortOrder m_sortingOrder = Qt::AscendingOrder;
    quint64 m_sortTicket = 0;
    QPointer<CListSorter> m_sorter;
    quint64 m_fitTicket = 0;
    QPointer<CColumnFitter> m_fitter;
    QPointer<QWidget> m_sortPane;
    QPointer<QProgressBar> m_sortProgress;
};
