#pragma once

#include "core/views/data_kind.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <optional>
#include <vector>

class CProjectStore;

// A kind's list as the list view needs it: how many rows, and the rows of any window of it,
// read from the table only when asked for, so a million rows cost what a thousand cost. Rows
// come in list order (the stored order; the alignment by start chainage), or sorted by one
// column for display (core/views/list_sort.h): numbers by value ahead of the texts, which sort
// naturally; equal values keep their stored order. A sorted list holds the order of its rowids
// (eight bytes a row). Sorting never changes the table.
class CListWindow
{
public:
    CListWindow(CProjectStore& store, DataKind kind);

    DataKind Kind() const { return m_kind; }
    qsizetype RowCount() const { return m_rowCount; }

    // Sorts by the layout column `column`; false (reported) when the engine failed.
    bool SortBy(int column, bool descending);
    // Shows the rows in an order sorted elsewhere (SortedRowids on another thread): the rowids
    // of this list's rows, in the order to show them.
    void ShowSorted(std::vector<qint64> rowids);
    void ClearSort(); // back to the list order

    // Where a shown row stands in the list order and back (the same while unsorted); −1 for
    // none. For the windows that point at records of the list (the plan).
    qsizetype ListPositionOf(qsizetype row);
    qsizetype RowAtListPosition(qsizetype position);

    // The cells of the rows first … first + count − 1 (fewer at the end), as the list shows them.
    QList<QStringList> Rows(qsizetype first, qsizetype count);

private:
    void OrderAsListed(); // the list order: the stored one, or the kind's own
    std::optional<qint64> RowidAtListPosition(qsizetype position); // nothing past the end
    QList<QStringList> OrderedRows(qsizetype first, qsizetype count);
    QList<QStringList> StoredRows(qsizetype first, qsizetype count);

    CProjectStore& m_store;
    DataKind m_kind;
    QString m_table;
    qsizetype m_rowCount = 0;
    qint64 m_firstRowid = 0;
    bool m_dense = false;         // rowids without gaps: the row at n has rowid first + n
    bool m_ordered = false;       // positions come from m_order
    bool m_sorted = false;        // by a column, not in the list order
    std::vector<qint64> m_order;  // the rowid shown at each position, when ordered
    QMap<qsizetype, qint64> m_anchors; // row positions whose rowid is known, for tables with gaps
};
