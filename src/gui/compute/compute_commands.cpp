#include "gui/compute/compute_commands.h"

#include "core/compute/faces.h"
#include "core/compute/traverse.h"
#include "core/report/reporter.h"
#include "core/results/result_store.h"
#include "gui/compute/compute_dialog_texts.h"
#include "gui/compute/grade_dialog.h"
#include "gui/compute/job_inputs.h"
#include "gui/compute/known_source.h"
#include "gui/compute/points_dialog.h"
#include "gui/compute/traverse_dialog.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "report/computation_reports.h"

namespace
{
void RecomputePoints(CSession& session, QWidget& window)
{
    QList<Setup> setups;
    if (!ReadShownJobSetups(session, setups))
        return;
    CPointsDialog dialog(setups, &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QList<KnownPoint> known;
    if (!ReadChosenKnown(session, dialog.Known(), setups, known))
        return;
    const PolarOptions options = dialog.Options();
    // Only surveyor's control corrects stations; the job's own coordinates are what it already used.
    const PolarResult result = ComputePoints(setups, dialog.Known().NamesKnownPoints() ? known : QList<KnownPoint>{}, options);
    const Outcome stored = StoreComputedPoints(session.Store(), result);
    if (!stored.Succeeded())
        return ReportOutcome(session.Reporter(), stored);
    session.ShowTable(DataKind::Calc);
    ShowReport(session, window, PointsReport(result, options));
}

void CheckBothFaces(CSession& session, QWidget& window)
{
    QList<Setup> setups;
    if (ReadShownJobSetups(session, setups))
        ShowReport(session, window, FacesReport(CheckFaces(setups), DefaultC2SpreadLimit));
}

void ComputeRoute(CSession& session, QWidget& window)
{
    QList<Setup> setups;
    if (!ReadShownJobSetups(session, setups))
        return;
    QList<TraverseGrade> grades;
    const Outcome gradesRead = ReadTraverseGrades(session.Store(), grades);
    if (!gradesRead.Succeeded())
        return ReportOutcome(session.Reporter(), gradesRead);
    CTraverseDialog dialog(session.Store(), setups, grades, &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QList<KnownPoint> known;
    if (!ReadChosenKnown(session, dialog.Known(), setups, known))
        return;
    const TraverseResult result = ComputeTraverse(setups, known, dialog.Route());
    if (!result.outcome.Succeeded())
        return ReportOutcome(session.Reporter(), result.outcome);
    const std::optional<qsizetype> chosen = ChooseGrade(result, grades, dialog.GradeName());
    const TraverseGrade* grade = chosen && result.shape != TraverseShape::Open ? &grades.at(*chosen) : nullptr;
    const std::optional<GradeCheck> check = grade ? std::optional(CheckGrade(result, *grade)) : std::nullopt;
    // The stations go to the list and the plan (the legs and the misclosure drawn) before the
    // report opens over them.
    const Outcome stored = StoreTraverse(session.Store(), result);
    if (!stored.Succeeded())
        return ReportOutcome(session.Reporter(), stored);
    session.ShowTable(DataKind::Traverse);
    ShowReport(session, window, TraverseReport(result, known, check, grade));
}

void EditGrades(CSession& session, QWidget& window)
{
    QList<TraverseGrade> grades;
    if (const Outcome read = ReadTraverseGrades(session.Store(), grades); !read.Succeeded())
        return ReportOutcome(session.Reporter(), read);
    CGradeDialog dialog(grades, &window);
    // A refused table keeps the dialog and the user's edits, so the fault can be mended in place.
    while (dialog.exec() == QDialog::Accepted)
    {
        QList<TraverseGrade> edited;
        Outcome outcome = dialog.Grades(edited);
        if (outcome.Succeeded())
            outcome = StoreTraverseGrades(session.Store(), edited);
        if (outcome.Succeeded())
            return;
        ReportOutcome(session.Reporter(), outcome);
    }
}

} // namespace

void RegisterComputeCommands(CCommandActions& commands, CSession& session, QWidget& window)
{
    commands.Handle(Command::ComputePoints, [&session, &window] { RecomputePoints(session, window); });
    commands.Handle(Command::ComputeFaces, [&session, &window] { CheckBothFaces(session, window); });
    commands.Handle(Command::ComputeTraverse, [&session, &window] { ComputeRoute(session, window); });
    commands.Handle(Command::ShowCalc, [&session] { session.ShowTable(DataKind::Calc); });
    commands.Handle(Command::CopyCalcToCoor, [&session] {
        CopyResultsAfterAsking(session, ComputeDialogTexts::CopyQuestion, CopyComputedToList);
    });
    commands.Handle(Command::EditTraverseGrades, [&session, &window] { EditGrades(session, window); });
}
