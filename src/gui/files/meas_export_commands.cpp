#include "gui/files/meas_export_commands.h"

#include "core/store/project_store.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/files/meas_export_file_dialog.h"
#include "gui/files/file_dialog_texts.h"
#include "core/files/meas_export.h"
#include "gui/files/shown_list.h"
#include "gui/toolkit/remembered_folder.h"
#include "core/views/data_kind.h"
#include "gui/views/plx_view.h"

namespace
{
void ShortExport(CSession& session, CPlxView& view, ShortMeasLayout layout)
{
    // Only the job list has these columns; the commands are offered for nothing else.
    if (session.CurrentKind() != DataKind::Meas)
        return;
    const QString path = AskSavePath(view, session, FileDialogTexts::DataExportFilter, QStringLiteral("txt"));
    if (!path.isEmpty())
    {
        const auto rows = ShownRows(session.Store(), view);
        ReportOutcome(session.Reporter(),
                      ExportMeasLines(
                          path, [&](const MeasLineSink& sink) { ShortMeasLines(layout, *rows, sink); }, rows.get()));
    }
}

void FullExport(CSession& session, CPlxView& view, DataKind kind, CoordinateOrder order)
{
    if (session.CurrentKind() != kind)
        return;
    CMeasExportFileDialog dialog(view.window());
    if (ExecInRememberedFolder(dialog, session.Settings(), FolderPurpose::Export) != QDialog::Accepted ||
        !AcceptChosenFile(session, dialog.SelectedPath()))
        return;
    const auto rows = ShownRows(session.Store(), view);
    const AngleStyle angles = dialog.Angles();
    const Outcome outcome = ExportMeasLines(
        dialog.SelectedPath(),
        [&](const MeasLineSink& sink) {
            if (kind == DataKind::Meas)
                FullMeasLines(*rows, order, angles, sink);
            else
                FullV2MeasLines(*rows, order, angles, sink);
        },
        rows.get());
    ReportOutcome(session.Reporter(), outcome);
}
} // namespace

void RegisterMeasExportCommands(CCommandActions& commands, CSession& session, CPlxView& list)
{
    const auto shortExport = [&](Command command, ShortMeasLayout layout) {
        commands.Handle(command, [&session, &list, layout] { ShortExport(session, list, layout); });
    };
    shortExport(Command::ExportAngle, ShortMeasLayout::Angle);
    shortExport(Command::ExportHd, ShortMeasLayout::Hd);
    shortExport(Command::ExportSd, ShortMeasLayout::Sd);

    const auto fullExport = [&](Command command, DataKind kind, CoordinateOrder order) {
        commands.Handle(command, [&session, &list, kind, order] { FullExport(session, list, kind, order); });
    };
    fullExport(Command::ExportMeasEn, DataKind::Meas, CoordinateOrder::EastNorth);
    fullExport(Command::ExportMeasNe, DataKind::Meas, CoordinateOrder::NorthEast);
    fullExport(Command::ExportV2MeasEn, DataKind::V2Meas, CoordinateOrder::EastNorth);
    fullExport(Command::ExportV2MeasNe, DataKind::V2Meas, CoordinateOrder::NorthEast);
}
