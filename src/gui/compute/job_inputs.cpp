#include "gui/compute/job_inputs.h"

#include "core/compute/compute_texts.h"
#include "core/report/reporter.h"
#include "core/results/job_source.h"
#include "gui/compute/known_source.h"
#include "gui/compute/report_window.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"

namespace
{
// The job the list shows, or the T5/T8 job when the list shows something else.
DataKind JobKind(const CSession& session)
{
    return session.CurrentKind() == DataKind::V2Meas ? DataKind::V2Meas : DataKind::Meas;
}
} // namespace

bool ReadShownJobSetups(CSession& session, QList<Setup>& setups)
{
    const Outcome read = ReadJobSetups(session.Store(), JobKind(session), setups);
    if (read.status == Status::NoRecords || (read.Succeeded() && setups.isEmpty()))
    {
        ReportOutcome(session.Reporter(), {Status::CannotCompute, ComputeTexts::NoSetups});
        return false;
    }
    if (!read.Succeeded())
    {
        ReportOutcome(session.Reporter(), read);
        return false;
    }
    return true;
}

bool ReadChosenKnown(CSession& session, const CKnownSource& source, const QList<Setup>& setups,
                     QList<KnownPoint>& known)
{
    const Outcome read = source.Read(session.Store(), setups, known);
    if (!read.Succeeded())
        ReportOutcome(session.Reporter(), read);
    return read.Succeeded();
}

void CopyResultsAfterAsking(CSession& session, const QString& question, Outcome (*copy)(CProjectStore& store))
{
    if (!session.Reporter().Confirm(question))
        return;
    const Outcome copied = copy(session.Store());
    ReportOutcome(session.Reporter(), copied);
    if (copied.Succeeded())
        session.ShowTable(DataKind::Coor);
}

void ShowReport(CSession& session, QWidget& window, ReportDocument document)
{
    CReportWindow report(std::move(document), session, &window);
    report.exec();
}
