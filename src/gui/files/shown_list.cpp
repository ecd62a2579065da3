#include "gui/files/shown_list.h"

#include "gui/files/content_blind_listing.h"
#include "gui/toolkit/remembered_folder.h"
#include "gui/views/list_model.h"
#include "gui/views/plx_view.h"

#include <QFileDialog>

std::unique_ptr<IListRows> ShownRows(CProjectStore& store, const CPlxView& view)
{
    const CListModel& model = view.Model();
    return std::make_unique<CListReader>(store, model.ShownKind(), &model.Overlay());
}

QString AskSavePath(QWidget& over, QSettings* settings, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(over.window());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    UseContentBlindListing(&dialog);
    if (ExecInRememberedFolder(dialog, settings, FolderPurpose::Export) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
