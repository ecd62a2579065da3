#pragma once

#include "report/report_document.h"

#include <QDialog>

class CSession;

// Shows a computation's report and saves it as PDF or text.
class CReportWindow : public QDialog
{
    Q_OBJECT
public:
    CReportWindow(ReportDocument document, CSession& session, QWidget* parent);

    const ReportDocument& Document() const { return m_document; }

private:
    void Save();

    ReportDocument m_document;
    CSession& m_session;
};
