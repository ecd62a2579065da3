#include "gui/link/transfer_dlg.h"

#include "gui/link/serial_line.h"
#include "gui/link/transfer_progress_view.h"
#include "gui/link/transfer_runner.h"

CTransferDlg::CTransferDlg(const TransferContext& context, QWidget* parent)
    : QDialog(parent), m_session(context.session), m_line(context.line), m_choices(context.choices)
{
}

CTransferDlg::~CTransferDlg()
{
    // The worker ends at its next poll and closes its port; what a download had received by then
    // is still kept in downloads/ (its result goes to the application, which outlives this).
    if (m_runner)
        m_runner->Cancel();
    if (m_progress && m_progress->isVisible())
        m_progress->End();
}

bool CTransferDlg::IsTransferRunning() const
{
    return m_runner;
}

CTransferRunner* CTransferDlg::ClaimRunner()
{
    CTransferRunner* runner = m_line.ClaimForTransfer();
    if (runner)
        m_runner = runner;
    return runner;
}
