#include "gui/compute/adjust_commands.h"

#include "core/compute/adjustment/network_from_setups.h"
#include "core/compute/setup_reader.h"
#include "core/report/reporter.h"
#include "core/results/adjustment_store.h"
#include "core/results/apriori_store.h"
#include "core/store/project_store.h"
#include "gui/compute/adjust_dialog.h"
#include "gui/compute/adjustment_worker.h"
#include "gui/compute/compute_dialog_texts.h"
#include "gui/compute/job_inputs.h"
#include "gui/compute/known_source.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "report/adjustment_report.h"
#include "report/adjustment_report_texts.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QProgressDialog>

using namespace Adjustment;

namespace
{
// The stations of the job, each once, in the order they were set up.
QStringList StationsOf(const QList<::Setup>& setups)
{
    QStringList stations;
    for (const ::Setup& setup : setups)
        if (!setup.station.isEmpty() && !stations.contains(setup.station))
            stations << setup.station;
    return stations;
}

// "S→P 方向": an observation as the report and the question name it.
QString ObservationName(const Network& network, const ObservationRef& ref)
{
    const Adjustment::Setup& setup = network.setups[size_t(ref.setup)];
    const ShownText kind = ref.kind == ObservationKind::Direction  ? AdjustmentReportTexts::Direction
                           : ref.kind == ObservationKind::Distance ? AdjustmentReportTexts::Distance
                                                                   : AdjustmentReportTexts::HeightDifference;
    return QStringLiteral("%1→%2 %3")
        .arg(network.points[size_t(setup.station)].name,
             network.points[size_t(setup.observations[size_t(ref.observation)].target)].name, QString(kind));
}

// Runs one adjustment at a time and shows what it gives; lives as long as the window.
class CAdjustFeature final : public QObject
{
public:
    CAdjustFeature(CCommandActions& commands, CSession& session, QWidget& window)
        : QObject(&window), m_commands(commands), m_session(session), m_window(window)
    {
        // What an adjustment of the project left gives belongs to that project alone.
        connect(&session, &CSession::ProjectChanged, this, &CAdjustFeature::Cancel);
    }

    void AdjustJob() { Ask(false); }
    void FreeStation() { Ask(true); }

    void CopyToList()
    {
        CopyResultsAfterAsking(m_session, ComputeDialogTexts::CopyAdjustedQuestion, CopyAdjustedToList);
    }

private:
    // The whole job, or a free station that the dialog chooses.
    void Ask(bool freeStation)
    {
        if (m_worker)
            return; // one adjustment at a time: its commands are off meanwhile
        QList<::Setup> setups;
        if (!ReadShownJobSetups(m_session, setups))
            return;
        AprioriOptions stored;
        if (const Outcome read = ReadAprioriOptions(m_session.Store(), stored); !read.Succeeded())
            return ReportOutcome(m_session.Reporter(), read);
        CAdjustDialog dialog(StationsOf(setups), freeStation, stored, &m_window);
        if (dialog.exec() != QDialog::Accepted)
            return;
        // What the user set is kept for the next adjustment of the project, whatever this one
        // gives; a project that cannot be written still adjusts with it, as it stores nothing.
        const AprioriOptions apriori = dialog.Options();
        if (apriori != stored && m_session.Store().ReadOnlyReason().isEmpty())
            if (const Outcome kept = StoreAprioriOptions(m_session.Store(), apriori); !kept.Succeeded())
                return ReportOutcome(m_session.Reporter(), kept);
        QList<KnownPoint> known;
        if (!ReadChosenKnown(m_session, dialog.Known(), setups, known))
            return;
        NetworkOptions options;
        static_cast<AprioriOptions&>(options) = apriori;
        AdjustmentInput input;
        input.heights = dialog.Heights();
        const Outcome built = freeStation
                                  ? BuildFreeStationNetwork(setups, known, dialog.Station(), options, input.network)
                                  : BuildNetwork(setups, known, options, input.network);
        if (!built.Succeeded())
            return ReportOutcome(m_session.Reporter(), built);
        for (const KnownPoint& point : known)
            if (!point.code.isEmpty())
                input.codes.insert(point.name, point.code);
        Run(std::move(input));
    }

    void Run(AdjustmentInput input)
    {
        m_worker = new CAdjustmentWorker(this);
        connect(m_worker, &CAdjustmentWorker::Finished, this, &CAdjustFeature::Show);
        SetRunning(true);
        // A network of thousands of points takes seconds: the note says it is working and
        // offers to stop (it shows only when the work lasts).
        m_progress = new QProgressDialog(ComputeDialogTexts::Adjusting, ComputeDialogTexts::CancelAdjusting, 0, 0,
                                         &m_window);
        m_progress->setObjectName(QStringLiteral("adjustProgress"));
        m_progress->setWindowTitle(ComputeDialogTexts::AdjustTitle);
        m_progress->setMinimumDuration(400);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        connect(m_progress, &QProgressDialog::canceled, this, &CAdjustFeature::Cancel);
        connect(m_worker, &CAdjustmentWorker::Stepped, m_progress, [progress = m_progress](int iteration, bool precision) {
            progress->setLabelText(precision ? QString(ComputeDialogTexts::AdjustingPrecision)
                                             : ComputeDialogTexts::AdjustingIteration.Arg(iteration));
        });
        m_worker->Start(std::move(input));
    }

    // The worker stops at its next look at the flag and deletes itself; whatever it may still
    // have finished with is no longer listened to, so nothing of this run is stored.
    void Cancel()
    {
        if (!m_worker)
            return;
        disconnect(m_worker, &CAdjustmentWorker::Finished, this, &CAdjustFeature::Show);
        m_worker->Cancel();
        m_worker = nullptr;
        SetRunning(false);
        m_session.Reporter().Message(ComputeDialogTexts::AdjustCancelled, MessageIcon::Information);
    }

    void SetRunning(bool running)
    {
        if (!running && m_progress)
        {
            m_progress->hide();
            m_progress->deleteLater();
            m_progress = nullptr;
        }
        for (const Command command : {Command::Adjust, Command::FreeStation})
            if (QAction* action = m_commands.Action(command))
                action->setEnabled(!running);
        if (running)
            QApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QApplication::restoreOverrideCursor();
    }

    void Show(const std::shared_ptr<AdjustmentOutput>& output)
    {
        // A result already on its way when the run was cancelled may still arrive: it is not
        // the running worker's, and it is dropped.
        if (!m_worker || sender() != m_worker)
            return;
        m_worker = nullptr; // it deletes itself
        SetRunning(false);
        const Network& network = output->input.network;
        const PlanAdjustment& plan = output->plan;
        if (!plan.outcome.Succeeded())
            return ReportOutcome(m_session.Reporter(), plan.outcome);
        const HeightAdjustment* heights =
            output->heights && output->heights->outcome.Succeeded() ? &*output->heights : nullptr;
        const Outcome stored = StoreAdjustedPoints(m_session.Store(), network, plan, heights, output->input.codes);
        if (!stored.Succeeded())
            return ReportOutcome(m_session.Reporter(), stored);
        m_session.ShowTable(DataKind::Adjusted);
        // The plan stands; the heights say why they could not be adjusted.
        if (output->heights && !heights)
            ReportOutcome(m_session.Reporter(), output->heights->outcome);
        ShowReport(m_session, m_window, AdjustmentReport(network, plan, heights));
        OfferRerun(*output);
    }

    // Data snooping names the observation with the largest standardized residual; beyond the
    // critical value it is likely a blunder, and the user may adjust again without it.
    void OfferRerun(const AdjustmentOutput& output)
    {
        const Snooping& snooping = output.plan.snooping;
        if (!snooping.beyondCritical || snooping.residual < 0)
            return;
        const ObservationRef ref = output.plan.residuals[size_t(snooping.residual)].ref;
        const QString question = ComputeDialogTexts::BlunderQuestion.Arg(
            QString::number(snooping.largest, 'f', 2), ObservationName(output.input.network, ref),
            QString::number(CriticalStandardizedResidual, 'f', 2));
        if (!m_session.Reporter().Confirm(question))
            return;
        AdjustmentInput again = output.input;
        again.network = WithoutObservation(std::move(again.network), ref);
        Run(std::move(again));
    }

    CCommandActions& m_commands;
    CSession& m_session;
    QWidget& m_window;
    QPointer<CAdjustmentWorker> m_worker;
    QPointer<QProgressDialog> m_progress;
};
} // namespace

void RegisterAdjustCommands(CCommandActions& commands, CSession& session, QWidget& window)
{
    auto* feature = new CAdjustFeature(commands, session, window);
    commands.Handle(Command::Adjust, [feature] { feature->AdjustJob(); });
    commands.Handle(Command::FreeStation, [feature] { feature->FreeStation(); });
    commands.Handle(Command::ShowAdjusted, [&session] { session.ShowTable(DataKind::Adjusted); });
    commands.Handle(Command::CopyAdjustedToCoor, [feature] { feature->CopyToList(); });
}
