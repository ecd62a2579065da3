#include "gui/files/shown_list.h"

#include "gui/files/content_blind_listing.h"

#include "gui/views/list_model.h"
#include "gui/views/plx_view.h"

#include <QFileDialog>

QList<QStringList> ShownRows(const CPlxView& view)
{
    const int columns = int(view.Model().Layout().size());
    QList<QStringList> rows;
    rows.reserve(view.RowCount());
    for (int row = 0; row < view.RowCount(); ++row)
    {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells << view.CellText(row, column);
        rows << cells;
    }
    return rows;
}

QString AskSavePath(CPlxView& view, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(view.window());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    UseContentBlindListing(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
