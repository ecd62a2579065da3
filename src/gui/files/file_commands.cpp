#include "files/file_commands.h"

#include "app/command_ids.h"
#include "app/merion_app.h"
#include "files/file_dialog_ex.h"
#include "files/file_dialog_ex2.h"
#include "files/files_texts.h"
#include "files/list_export.h"
#include "files/sdcard_dlg.h"
#include "files/shown_list.h"
#include "files/text_import.h"
#include "toolkit/modeless.h"
#include "views/data_kind.h"
#include "views/list_model.h"
#include "views/plx_doc.h"
#include "views/plx_view.h"

namespace
{
QStringList ShownCaptions(const CPlxView& view)
{
    QStringList captions;
    for (const ListColumn& column : view.Model().Layout())
        captions << column.caption;
    return captions;
}

void Import(CMerionApp& app, CPlxView& view)
{
    CFileDialogEx dialog(view.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int kind = ImportKindOf(dialog.DataTypeIndex());
    view.ClearRows();
    app.SetCurrentKind(kind);
    app.Document().UpdateAllViews();
    QList<QStringList> rows;
    const ImportStatus status =
        ImportFile(app.Store(), dialog.DataTypeIndex(), dialog.FormatIndex(), dialog.SelectedPath(), &rows);
    // Points and codes show as the file gave them; a job, or a table the import left as it
    // was, shows what the table holds.
    if (status == ImportStatus::Done && !rows.isEmpty())
        view.Model().AppendRows(std::move(rows));
    else if (status == ImportStatus::Done && dialog.DataTypeIndex() == ImportType::V2)
        view.ShowTable(ImportedKindOf(dialog.DataTypeIndex(), dialog.FormatIndex()));
    else
        view.Fill(kind);
}

void ListExport(CMerionApp& app, CPlxView& view)
{
    const QString path = AskSavePath(view, FilesTexts::ListExportFilter, QStringLiteral("csv"));
    if (!path.isEmpty())
        ExportList(path, ShownCaptions(view), ShownRows(view), app.Reporter());
}

void OutputFile(CMerionApp& app, CPlxView& view)
{
    const int kind = app.CurrentKind();
    if (kind == DataKind::Coor)
        view.ShowTable(DataKind::Coor);
    CFileDialogEx2 dialog(kind, view.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    ExportOutputFile(dialog.SelectedPath(), kind, int(view.Model().Layout().size()), ShownRows(view),
                     dialog.SeparatorIndex(), dialog.FormatIndex(), app.Reporter());
}

void DataExport(CMerionApp& app, CPlxView& view)
{
    const int kind = app.CurrentKind();
    if (!HasDataExport(kind))
        return;
    const QString path = AskSavePath(view, FilesTexts::DataExportFilter, QStringLiteral("txt"));
    if (!path.isEmpty())
        ExportData(path, kind, ShownRows(view), app.Reporter());
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
        ShowModelessAt(new CSdCardDlg(app));
    });
}
