#include "gui/files/file_commands.h"

#include "gui/app/command_ids.h"
#include "gui/app/merion_app.h"
#include "gui/app/result_report.h"
#include "gui/files/import_file_dialog.h"
#include "gui/files/output_file_dialog.h"
#include "gui/files/file_dialog_texts.h"
#include "core/files/list_export.h"
#include "core/plan/dxf_export.h"
#include "gui/files/sdcard_dlg.h"
#include "gui/files/shown_list.h"
#include "core/files/text_import.h"
#include "gui/toolkit/modeless.h"
#include "gui/toolkit/remembered_folder.h"
#include "core/views/data_kind.h"
#include "gui/views/list_model.h"
#include "gui/views/plx_doc.h"
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

void Import(CMerionApp& app, CPlxView& view)
{
    CImportFileDialog dialog(view.window());
    if (ExecInRememberedFolder(dialog, app.Settings(), FolderPurpose::Import) != QDialog::Accepted)
        return;
    const DataKind kind = ImportKindOf(dialog.DataType());
    view.ClearRows();
    app.SetCurrentKind(kind);
    app.Document().UpdateAllViews();
    ListCellOverlay shownCodes;
    const Outcome outcome =
        ImportFile(app.Store(), dialog.DataType(), dialog.FormatIndex(), dialog.SelectedPath(), &shownCodes);
    ReportOutcome(app.Reporter(), outcome);
    // Points show their codes as the file gave them; a version 2 text shows the kind it
    // filled; everything else, and a table the import left as it was, what the table holds.
    if (outcome.Succeeded() && dialog.DataType() == ImportType::V2)
        view.ShowTable(ImportedKindOf(dialog.DataType(), dialog.FormatIndex()));
    else
        view.Fill(kind);
    if (outcome.Succeeded() && !shownCodes.IsEmpty())
        view.ShowOverlay(std::move(shownCodes));
}

void ListExport(CMerionApp& app, CPlxView& view)
{
    const QString path = AskSavePath(view, app.Settings(), FileDialogTexts::ListExportFilter, QStringLiteral("csv"));
    if (!path.isEmpty())
        ReportOutcome(app.Reporter(), ExportList(path, FileCaptions(view), *ShownRows(app, view)));
}

void OutputFile(CMerionApp& app, CPlxView& view)
{
    const DataKind kind = app.CurrentKind();
    if (kind == DataKind::Coor)
        view.ShowTable(DataKind::Coor);
    COutputFileDialog dialog(kind, view.window());
    if (ExecInRememberedFolder(dialog, app.Settings(), FolderPurpose::Export) != QDialog::Accepted)
        return;
    if (kind == DataKind::Coor && dialog.SelectedPath().endsWith(QStringLiteral(".dxf"), Qt::CaseInsensitive))
    {
        ReportOutcome(app.Reporter(), ExportPointsDxf(app.Store(), dialog.SelectedPath()));
        return;
    }
    ReportOutcome(app.Reporter(), ExportOutputFile(dialog.SelectedPath(), kind, int(view.Model().Layout().size()),
                                                   *ShownRows(app, view), dialog.SeparatorIndex(), dialog.FormatIndex()));
}

void DataExport(CMerionApp& app, CPlxView& view)
{
    const DataKind kind = app.CurrentKind();
    if (!HasDataExport(kind))
        return;
    const QString path = AskSavePath(view, app.Settings(), FileDialogTexts::DataExportFilter, QStringLiteral("txt"));
    if (!path.isEmpty())
        ReportOutcome(app.Reporter(), ExportData(path, kind, *ShownRows(app, view)));
}
} // namespace

void RegisterFileCommands(CMerionApp& app, CPlxView& view)
{
    view.RegisterCommand(Command::Import, [&app, &view] { Import(app, view); });
    view.RegisterCommand(Command::ListExport, [&app, &view] { ListExport(app, view); });
    view.RegisterCommand(Command::OutputFile, [&app, &view] { OutputFile(app, view); });
    view.RegisterCommand(Command::DataExport, [&app, &view] { DataExport(app, view); });
    view.RegisterCommand(Command::SdCard, [&app, &view] {
        view.ShowTable(DataKind::Coor);
        ShowModelessAt(new CSdCardDlg(app), &view);
    });
}
