#pragma once

#include "gui/views/plx_view.h"

#include <QStringList>

// The rows the list view shows, each as its cell texts joined by '|' (GUI tests only).
inline QStringList ListRows(const CPlxView& view)
{
    QStringList rows;
    for (int row = 0; row < view.RowCount(); ++row)
    {
        QStringList cells;
        for (int column = 0; column < view.model()->columnCount(); ++column)
            cells << view.CellText(row, column);
        rows << cells.join('|');
    }
    return rows;
}
