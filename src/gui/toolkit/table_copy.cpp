#include "gui/toolkit/table_copy.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QTableView>

#include <algorithm>

QString SelectedRowsAsText(const QTableView& view)
{
    const QItemSelectionModel* selection = view.selectionModel();
    const QAbstractItemModel* model = view.model();
    if (!selection || !model)
        return {};
    // Rows from the selected ranges, not from the selected cells: Ctrl+A on a long list would
    // make an index for every cell.
    QList<int> rows;
    for (const QItemSelectionRange& range : selection->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows << row;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    const QHeaderView* header = view.horizontalHeader();
    QList<int> columns;
    for (int visual = 0; visual < header->count(); ++visual)
        if (const int logical = header->logicalIndex(visual); !header->isSectionHidden(logical))
            columns << logical;

    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]"));
    QString text;
    for (const int row : rows)
    {
        QStringList cells;
        for (const int column : columns)
            cells << model->data(model->index(row, column)).toString().replace(breaks, QStringLiteral(" "));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}
