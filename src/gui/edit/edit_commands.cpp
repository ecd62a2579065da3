#include "gui/edit/edit_commands.h"

#include "gui/shell/command_actions.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/edit/alignment_edit_dlg.h"
#include "gui/edit/code_edit_dlg.h"
#include "gui/edit/coor_edit_dlg.h"
#include "gui/edit/edit_dialog_texts.h"
#include "core/report/reporter.h"
#include "core/edit/record_delete.h"
#include "gui/toolkit/modeless.h"
#include "core/views/data_kind.h"
#include "core/views/list_layout.h"
#include "gui/views/plx_view.h"

#include <algorithm>

namespace
{
using Mode = CRecordEditDlg::Mode;

// The column of the list that holds a row's key: the alignment's number, else the name.
int KeyColumn(DataKind kind)
{
    return kind == DataKind::Alignment ? 0 : 2;
}

QStringList CellsOf(const CPlxView& view, int row, DataKind kind)
{
    QStringList cells;
    for (int column = 0; column < ListLayoutOf(kind).size(); ++column)
        cells << view.CellText(row, column);
    return cells;
}

void OpenDialog(CSession& session, CPlxView& view, Mode mode)
{
    const DataKind kind = session.CurrentKind();
    if (!IsEditableKind(kind))
        return;
    // Editing below the last row finds no cells: the dialog opens empty and cannot save.
    const QStringList cells = mode == Mode::Edit ? CellsOf(view, view.RememberedRow(), kind) : QStringList();
    CRecordEditDlg* dialog = nullptr;
    if (kind == DataKind::Coor)
        dialog = new CCoorEditDlg(session, mode, cells, &view);
    else if (kind == DataKind::Code)
        dialog = new CCodeEditDlg(session, mode, cells, &view);
    else
        dialog = new CAlignmentEditDlg(session, mode, cells, &view);
    ShowModelessAt(dialog, &view);
}

// Several selected rows go together, after one question that names how many.
void DeleteSelected(CSession& session, CPlxView& view, const QList<int>& rows)
{
    const DataKind kind = session.CurrentKind();
    QStringList keys;
    keys.reserve(rows.size());
    for (const int row : rows)
        keys << view.CellText(row, KeyColumn(kind));
    if (!session.Reporter().Confirm(EditDialogTexts::DeleteRowsQuestion.Counted(int(rows.size())).arg(rows.size())))
        return;
    const Outcome outcome = DeleteRecords(session.Store(), kind, keys);
    ReportOutcome(session.Reporter(), outcome);
    if (outcome.status != Status::Cancelled)
        session.ShowTable(kind);
}

void DeleteRemembered(CSession& session, CPlxView& view)
{
    const DataKind kind = session.CurrentKind();
    const int row = view.RememberedRow();
    if (!IsEditableKind(kind))
        return;
    // The key or menu acts on the selection; the context menu on a selected row too, on
    // another row only on that one.
    const QList<int> selected = view.SelectedRows();
    if (selected.size() > 1 && (row < 0 || std::binary_search(selected.begin(), selected.end(), row)))
        return DeleteSelected(session, view, selected);
    if (row < 0 || row >= view.RowCount())
        return;
    view.SetDeleteKey(view.CellText(row, KeyColumn(kind)));
    // A key that names no row is told without a question.
    Outcome outcome = CheckDeleteKey(session.Store(), kind, view.DeleteKey());
    if (outcome.Succeeded())
    {
        if (!session.Reporter().Confirm(EditDialogTexts::DeleteQuestion.Arg(view.DeleteKey())))
            return;
        outcome = DeleteRecord(session.Store(), kind, view.DeleteKey());
    }
    ReportOutcome(session.Reporter(), outcome);
    if (outcome.status != Status::Cancelled)
        session.ShowTable(kind);
}

void DeleteEverything(CSession& session)
{
    const DataKind kind = session.CurrentKind();
    if (!IsEditableKind(kind) || !session.Reporter().Confirm(EditDialogTexts::DeleteAllQuestion))
        return;
    DeleteAllRecords(session.Store(), kind); // a failure has been told by the store
    session.ShowTable(kind);
}
} // namespace

void RegisterEditCommands(CCommandActions& commands, CSession& session, CPlxView& list)
{
    commands.Handle(Command::AddRecord, [&session, &list] { OpenDialog(session, list, Mode::Add); });
    commands.Handle(Command::EditRecord, [&session, &list] { OpenDialog(session, list, Mode::Edit); });
    commands.Handle(Command::DeleteRecord, [&session, &list] { DeleteRemembered(session, list); });
    commands.Handle(Command::DeleteAll, [&session] { DeleteEverything(session); });
}
