#include "gui/files/file_commands.h"

#include "core/store/project_store.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/files/import_file_dialog.h"
#include "gui/files/output_file_dialog.h"
#include "gui/files/file_dialog_texts.h"
#include "core/files/list_export.h"
#include "core/plan/dxf_export.h"
#include "core/store/hand_edits.h"
#include "gui/files/sdcard_dlg.h"
#include "gui/files/shown_list.h"
#include "core/files/text_import.h"
#include "gui/toolkit/modeless.h"
#include "gui/toolkit/remembered_folder.h"
#include "core/views/data_kind.h"
#include "gui/views/list_model.h"
#include "gui/views/plx_view.h"

namespace
{
// The header of an exported list: the captions as written, so that a file reads the same
// whichever language the interface speaks.
QStringList FileCaptions(const CPlxView& view)
{
    QStringList captions;
    for (const ListColumn& column : view.Model().Layout())
        captions << column.caption;
    return captions;
}

// Reports an export of the list the view shows; a whole list written out carries the hand work
// it held along with it.
void ReportExport(CSession& session, const CPlxView& view, const Outcome& outcome)
{
    ReportOutcome(session.Reporter(), outcome);
    if (outcome.Succeeded())
        HandEdits::MarkSaved(session.Store(), TableOf(view.Model().ShownKind()));
}

void Import(CSession& session, CPlxView& view)
{
    CImportFileDialog dialog(view.window());
    if (ExecInRememberedFolder(dialog, session.Settings(), FolderPurpose::Import) != QDialog::Accepted)
        return;
    const DataKind kind = ImportKindOf(dialog.DataType());
    view.ClearRows();
    session.SetCurrentKind(kind);
    session.UpdateViews();
    ListCellOverlay shownCodes;
    const Outcome outcome =
        ImportFile(session.Store(), dialog.DataType(), dialog.FormatIndex(), dialog.SelectedPath(), &shownCodes);
    ReportOutcome(session.Reporter(), outcome);
    // Points show their codes as the file gave them; a version 2 text shows the kind it
    // filled; everything else, and a table the import left as it was, what the table holds.
    if (outcome.Succeeded() && dialog.DataType() == ImportType::V2)
        session.ShowTable(ImportedKindOf(dialog.DataType(), dialog.FormatIndex()));
    else
        view.Fill(kind);
    if (outcome.Succeeded() && !shownCodes.IsEmpty())
        view.ShowOverlay(std::move(shownCodes));
}

void ListExport(CSession& session, CPlxView& view)
{
    const QString path = AskSavePath(view, session, FileDialogTexts::ListExportFilter, QStringLiteral("csv"));
    if (!path.isEmpty())
        ReportExport(session, view, ExportList(path, FileCaptions(view), *ShownRows(session.Store(), view)));
}

void OutputFile(CSession& session, CPlxView& view)
{
    const DataKind kind = session.CurrentKind();
    if (kind == DataKind::Coor)
        session.ShowTable(DataKind::Coor);
    COutputFileDialog dialog(kind, view.window());
    if (ExecInRememberedFolder(dialog, session.Settings(), FolderPurpose::Export) != QDialog::Accepted ||
        !AcceptChosenFile(session, dialog.SelectedPath()))
        return;
    if (kind == DataKind::Coor && dialog.SelectedPath().endsWith(QStringLiteral(".dxf"), Qt::CaseInsensitive))
    {
        ReportExport(session, view, ExportPointsDxf(session.Store(), dialog.SelectedPath()));
        return;
    }
    ReportExport(session, view,
                 ExportOutputFile(dialog.SelectedPath(), kind, int(view.Model().Layout().size()),
                                  *ShownRows(session.Store(), view), dialog.SeparatorIndex(), dialog.FormatIndex()));
}

void DataExport(CSession& session, CPlxView& view)
{
    const DataKind kind = session.CurrentKind();
    if (!HasDataExport(kind))
        return;
    const QString path = AskSavePath(view, session, FileDialogTexts::DataExportFilter, QStringLiteral("txt"));
    if (!path.isEmpty())
        ReportExport(session, view, ExportData(path, kind, *ShownRows(session.Store(), view)));
}
} // namespace

void RegisterFileCommands(CCommandActions& commands, CSession& session, CPlxView& list)
{
    commands.Handle(Command::Import, [&session, &list] { Import(session, list); });
    commands.Handle(Command::ListExport, [&session, &list] { ListExport(session, list); });
    commands.Handle(Command::OutputFile, [&session, &list] { OutputFile(session, list); });
    commands.Handle(Command::DataExport, [&session, &list] { DataExport(session, list); });
    commands.Handle(Command::SdCard, [&session, &list] {
        session.ShowTable(DataKind::Coor);
        ShowModelessAt(new CSdCardDlg(session), &list);
    });
}
