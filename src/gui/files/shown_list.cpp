#include "gui/files/shown_list.h"

#include "core/store/project_files.h"
#include "core/store/project_store.h"
#include "gui/files/content_blind_listing.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/toolkit/remembered_folder.h"
#include "gui/views/list_model.h"
#include "gui/views/plx_view.h"

#include <QFileDialog>

std::unique_ptr<IListRows> ShownRows(CProjectStore& store, const CPlxView& view)
{
    const CListModel& model = view.Model();
    return std::make_unique<CListReader>(store, model.ShownKind(), &model.Overlay());
}

QString AskSavePath(QWidget& over, CSession& session, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(over.window());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    UseContentBlindListing(&dialog);
    if (ExecInRememberedFolder(dialog, session.Settings(), FolderPurpose::Export) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty() || !AcceptChosenFile(session, dialog.selectedFiles().first()))
        return {};
    return dialog.selectedFiles().first();
}

bool AcceptChosenFile(CSession& session, const QString& path)
{
    const Outcome outcome = CheckChosenFile(path, session.Store().DatabasePath());
    if (!outcome.Succeeded())
        ReportOutcome(session.Reporter(), outcome);
    return outcome.Succeeded();
}
