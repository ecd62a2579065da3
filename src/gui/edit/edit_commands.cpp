#include "gui/edit/edit_commands.h"

#include "gui/app/command_ids.h"
#include "gui/app/merion_app.h"
#include "gui/app/result_report.h"
#include "gui/edit/alignment_edit_dlg.h"
#include "gui/edit/code_edit_dlg.h"
#include "gui/edit/coor_edit_dlg.h"
#include "core/edit/record_delete.h"
#include "gui/toolkit/modeless.h"
#include "core/views/data_kind.h"
#include "core/views/list_layout.h"
#include "gui/views/plx_view.h"

namespace
{
using Mode = CRecordEditDlg::Mode;

QStringList CellsOf(const CPlxView& view, int row, DataKind kind)
{
    QStringList cells;
    for (int column = 0; column < ListLayoutOf(kind).size(); ++column)
        cells << view.CellText(row, column);
    return cells;
}

void OpenDialog(CMerionApp& app, CPlxView& view, Mode mode)
{
    const DataKind kind = app.CurrentKind();
    if (!IsEditableKind(kind))
        return;
    // Editing below the last row finds no cells: the dialog opens empty and cannot save.
    const QStringList cells = mode == Mode::Edit ? CellsOf(view, view.RememberedRow(), kind) : QStringList();
    CRecordEditDlg* dialog = nullptr;
    if (kind == DataKind::Coor)
        dialog = new CCoorEditDlg(app, mode, cells, &view);
    else if (kind == DataKind::Code)
        dialog = new CCodeEditDlg(app, mode, cells, &view);
    else
        dialog = new CAlignmentEditDlg(app, mode, cells, &view);
    ShowModelessAt(dialog, &view);
}

void DeleteRemembered(CMerionApp& app, CPlxView& view)
{
    const DataKind kind = app.CurrentKind();
    const int row = view.RememberedRow();
    if (!IsEditableKind(kind) || row < 0 || row >= view.RowCount())
        return;
    view.SetDeleteKey(view.CellText(row, kind == DataKind::Alignment ? 0 : 2));
    const Outcome outcome = DeleteRecord(app.Store(), kind, view.DeleteKey(), app.Reporter());
    ReportOutcome(app.Reporter(), outcome);
    if (outcome.status != Status::Cancelled)
        view.ShowTable(kind);
}

void DeleteEverything(CMerionApp& app, CPlxView& view)
{
    const DataKind kind = app.CurrentKind();
    if (DeleteAllRecords(app.Store(), kind, app.Reporter()).status != Status::Cancelled)
        view.ShowTable(kind);
}
} // namespace

void RegisterEditCommands(CMerionApp& app, CPlxView& view)
{
    view.RegisterCommand(Command::AddRecord, [&app, &view] { OpenDialog(app, view, Mode::Add); });
    view.RegisterCommand(Command::EditRecord, [&app, &view] { OpenDialog(app, view, Mode::Edit); });
    view.RegisterCommand(Command::DeleteRecord, [&app, &view] { DeleteRemembered(app, view); });
    view.RegisterCommand(Command::DeleteAll, [&app, &view] { DeleteEverything(app, view); });
}
