#include "gui/compute/report_window.h"

#include "gui/compute/compute_dialog_texts.h"
#include "gui/files/shown_list.h"
#include "gui/shell/session.h"
#include "gui/shell/result_report.h"
#include "gui/toolkit/dialog_parts.h"
#include "report/report_writer.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

CReportWindow::CReportWindow(ReportDocument document, CSession& session, QWidget* parent)
    : QDialog(parent), m_document(std::move(document)), m_session(session)
{
    setObjectName(QStringLiteral("reportWindow"));
    setWindowTitle(m_document.title);
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("reportText"));
    text->setHtml(ReportAsHtml(m_document));
    QDialogButtonBox* buttons = DialogButtons(*this, QDialogButtonBox::Close);
    QPushButton* save = buttons->addButton(ComputeDialogTexts::SaveReport, QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("saveReport"));
    connect(save, &QPushButton::clicked, this, &CReportWindow::Save);
    StackParts(*this, {text, buttons});
    resize(980, 680);
}

void CReportWindow::Save()
{
    const QString path = AskSavePath(*this, m_session, ComputeDialogTexts::ReportFilter, QStringLiteral("pdf"));
    if (!path.isEmpty())
        ReportOutcome(m_session.Reporter(), WriteReport(path, m_document));
}
