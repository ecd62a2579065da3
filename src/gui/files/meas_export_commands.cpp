#include "gui/files/meas_export_commands.h"

#include "gui/app/command_ids.h"
#include "gui/app/merion_app.h"
#include "gui/app/result_report.h"
#include "gui/files/meas_export_file_dialog.h"
#include "gui/files/file_dialog_texts.h"
#include "core/files/meas_export.h"
#include "gui/files/shown_list.h"
#include "gui/toolkit/remembered_folder.h"
#include "core/views/data_kind.h"
#include "gui/views/plx_view.h"

namespace
{
void ShortExport(CMerionApp& app, CPlxView& view, ShortMeasLayout layout)
{
    // Only the job list has these columns; the commands are offered for nothing else.
    if (app.CurrentKind() != DataKind::Meas)
        return;
    const QString path = AskSavePath(view, app.Settings(), FileDialogTexts::DataExportFilter, QStringLiteral("txt"));
    if (!path.isEmpty())
    {
        const auto rows = ShownRows(app, view);
        ReportOutcome(app.Reporter(),
                      ExportMeasLines(
                          path, [&](const MeasLineSink& sink) { ShortMeasLines(layout, *rows, sink); }, rows.get()));
    }
}

void FullExport(CMerionApp& app, CPlxView& view, DataKind kind, CoordinateOrder order)
{
    if (app.CurrentKind() != kind)
        return;
    CMeasExportFileDialog dialog(view.window());
    if (ExecInRememberedFolder(dialog, app.Settings(), FolderPurpose::Export) != QDialog::Accepted)
        return;
    const auto rows = ShownRows(app, view);
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
    ReportOutcome(app.Reporter(), outcome);
}
} // namespace

void RegisterMeasExportCommands(CMerionApp& app, CPlxView& view)
{
    const auto shortExport = [&app, &view](int command, ShortMeasLayout layout) {
        view.RegisterCommand(command, [&app, &view, layout] { ShortExport(app, view, layout); });
    };
    shortExport(Command::ExportAngle, ShortMeasLayout::Angle);
    shortExport(Command::ExportHd, ShortMeasLayout::Hd);
    shortExport(Command::ExportSd, ShortMeasLayout::Sd);

    const auto fullExport = [&app, &view](int command, DataKind kind, CoordinateOrder order) {
        view.RegisterCommand(command, [&app, &view, kind, order] { FullExport(app, view, kind, order); });
    };
    fullExport(Command::ExportMeasEn, DataKind::Meas, CoordinateOrder::EastNorth);
    fullExport(Command::ExportMeasNe, DataKind::Meas, CoordinateOrder::NorthEast);
    fullExport(Command::ExportV2MeasEn, DataKind::V2Meas, CoordinateOrder::EastNorth);
    fullExport(Command::ExportV2MeasNe, DataKind::V2Meas, CoordinateOrder::NorthEast);
}
