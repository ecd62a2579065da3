#pragma once

#include <QString>

class QTableView;

// The selected rows of a table as tab-separated text, one line per row, top to bottom as shown
// and each row's cells in the order the columns are shown (hidden columns left out), ready for
// a spreadsheet. A tab or line break inside a cell becomes a blank so the grid stays whole.
// Empty when nothing is selected.
QString SelectedRowsAsText(const QTableView& view);
