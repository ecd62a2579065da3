#include "gui/geodesy/system_dialog.h"

#include "core/geodesy/system_store.h"
#include "gui/geodesy/geodesy_dialog_texts.h"
#include "gui/geodesy/system_choice.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/toolkit/dialog_parts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CSystemDialog::CSystemDialog(CSession& session, QWidget* parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("systemDialog"));
    setWindowTitle(GeodesyDialogTexts::SystemTitle);
    const CoordinateSystem current = ReadProjectSystem(session.Store());
    auto* now = new QLabel(GeodesyDialogTexts::Current.Arg(current.IsSet() ? DescriptionOf(current)
                                                                        : GeodesyDialogTexts::NotSet.Text()),
                           this);
    now->setObjectName(QStringLiteral("currentSystem"));
    now->setWordWrap(true);
    now->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_choice = new CSystemChoice(std::nullopt, this);
    m_choice->Show(current);
    StackParts(*this, {now, m_choice, DialogButtons(*this)});
    resize(620, sizeHint().height());
}

void CSystemDialog::accept()
{
    CoordinateSystem system;
    Outcome outcome = m_choice->Chosen(system);
    if (outcome.Succeeded())
        outcome = WriteProjectSystem(m_session.Store(), system);
    if (!outcome.Succeeded())
        return ReportOutcome(m_session.Reporter(), outcome);
    m_session.AnnounceSystemChanged();
    QDialog::accept();
}
