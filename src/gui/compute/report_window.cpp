#include "gui/compute/report_window.h"

#include "gui/compute/compute_dialog_texts.h"
#include "gui/files/shown_list.h"
#include "gui/shell/result_report.h"
#include "report/report_writer.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

CReportWindow::CReportWindow(ReportDocument document, IReporter& reporter, QSettings* settings, QWidget* parent)
    : QDialog(parent), m_document(std::move(document)), m_reporter(reporter), m_settings(settings)
{
    setObjectName(QStringLiteral("reportWindow"));
    setWindowTitle(m_document.title);
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("reportText"));
    text->setHtml(ReportAsHtml(m_document));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* save = buttons->addButton(ComputeDialogTexts::SaveReport, QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("saveReport"));
    connect(save, &QPushButton::clicked, this, &CReportWindow::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(980, 680);
}

void CReportWindow::Save()
{
    const QString path = AskSavePath(*this, m_settings, ComputeDialogTexts::ReportFilter, QStringLiteral("pdf"));
    if (!path.isEmpty())
        ReportOutcome(m_reporter, WriteReport(path, m_document));
}
