#include "gui/geodesy/geodesy_commands.h"

#include "core/geodesy/list_transform.h"
#include "core/geodesy/map_export.h"
#include "core/geodesy/system_store.h"
#include "core/report/reporter.h"
#include "core/views/data_kind.h"
#include "gui/files/shown_list.h"
#include "gui/geodesy/fit_dialog.h"
#include "gui/geodesy/geodesy_dialog_texts.h"
#include "gui/geodesy/store_job.h"
#include "gui/geodesy/system_dialog.h"
#include "gui/geodesy/transform_dialog.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"

namespace
{
// The project's system; none (and the user told why) when there is nothing to start from.
bool ReadSystem(CSession& session, CoordinateSystem& system)
{
    bool readFailed = false;
    system = ReadProjectSystem(session.Store(), &readFailed);
    if (readFailed)
        return false; // the store has said why
    if (!system.IsSet())
        ReportOutcome(session.Reporter(), {Status::NoCoordinateSystem});
    return system.IsSet();
}

// The list shows its new rows, and whatever shows the system follows.
void ShowChangedList(CSession& session)
{
    session.ShowTable(DataKind::Coor);
    session.AnnounceSystemChanged();
}

void TransformList(CSession& session, QWidget& window)
{
    CoordinateSystem from;
    if (!ReadSystem(session, from))
        return;
    CTransformDialog dialog(session, from, &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CoordinateSystem to = dialog.Target();
    if (dialog.ToFile())
    {
        const QString path = dialog.Path();
        const bool factors = dialog.Factors();
        ReportOutcome(session.Reporter(), RunStoreJob(session, window, [to, path, factors](CProjectStore& store) {
                          return WriteTransformedPoints(store, to, path, factors);
                      }));
        return;
    }
    if (!session.Reporter().Confirm(GeodesyDialogTexts::ReplaceQuestion.Arg(DescriptionOf(to))))
        return;
    const Outcome outcome =
        RunStoreJob(session, window, [to](CProjectStore& store) { return TransformPointList(store, to); });
    ReportOutcome(session.Reporter(), outcome);
    if (outcome.Succeeded())
        ShowChangedList(session);
}

void FitParameters(CSession& session, QWidget& window)
{
    CFitDialog dialog(session, &window);
    if (dialog.exec() != QDialog::Accepted || !session.Reporter().Confirm(GeodesyDialogTexts::ApplyQuestion))
        return;
    const FitResult fit = dialog.Parameters();
    const Outcome outcome = RunStoreJob(session, window, [fit](CProjectStore& store) { return ApplyFitToList(store, fit); });
    ReportOutcome(session.Reporter(), outcome);
    if (outcome.Succeeded())
        ShowChangedList(session);
}

using MapExport = Outcome (*)(CProjectStore& store, const QString& path);

void ExportForMaps(CSession& session, QWidget& window, MapExport write, const QString& filter, const QString& suffix)
{
    CoordinateSystem system;
    if (!ReadSystem(session, system))
        return;
    const QString path = AskSavePath(window, session, filter, suffix);
    if (path.isEmpty())
        return;
    // A map's file is no copy of the list (it holds degrees of WGS84 and leaves out points
    // without a position), so the list's hand work still counts as unsaved.
    ReportOutcome(session.Reporter(),
                  RunStoreJob(session, window, [write, path](CProjectStore& store) { return write(store, path); }));
}
} // namespace

void RegisterGeodesyCommands(CCommandActions& commands, CSession& session, QWidget& window)
{
    commands.Handle(Command::CoordSystem, [&session, &window] {
        CSystemDialog dialog(session, &window);
        dialog.exec();
    });
    commands.Handle(Command::TransformList, [&session, &window] { TransformList(session, window); });
    commands.Handle(Command::FitParameters, [&session, &window] { FitParameters(session, window); });
    commands.Handle(Command::ExportKml, [&session, &window] {
        ExportForMaps(session, window, ExportPointsKml, GeodesyDialogTexts::KmlFilter, QStringLiteral("kml"));
    });
    commands.Handle(Command::ExportGeoJson, [&session, &window] {
        ExportForMaps(session, window, ExportPointsGeoJson, GeodesyDialogTexts::GeoJsonFilter,
                      QStringLiteral("geojson"));
    });
}
