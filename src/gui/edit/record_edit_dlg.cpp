#include "gui/edit/record_edit_dlg.h"

#include "gui/edit/edit_dialog_texts.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/toolkit/dialog_parts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

CRecordEditDlg::CRecordEditDlg(CSession& session, DataKind kind, Mode mode, const QString& caption, QWidget* parent)
    : QDialog(parent), m_session(session), m_kind(kind), m_mode(mode), m_layout(new QVBoxLayout(this)),
      m_fields(new QFormLayout), m_save(new QPushButton(EditDialogTexts::SaveLabel, this)),
      m_cancel(new QPushButton(EditDialogTexts::CancelLabel, this))
{
    setWindowTitle(caption);
    m_layout->addLayout(m_fields);

    m_save->setObjectName(QStringLiteral("save"));
    m_save->setText(mode == Mode::Add ? EditDialogTexts::AddButton : EditDialogTexts::SaveButton);
    // Enter in any field saves (Esc, the dialog's own key, cancels); an add keeps the dialog
    // open for the next record either way.
    m_save->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    QHBoxLayout* buttons = ButtonRow({m_save, m_cancel});
    m_layout->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, &CRecordEditDlg::OnSave);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::close);
}

void CRecordEditDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Coming back from the task bar keeps the field the user was in.
    if (event->spontaneous())
        return;
    // The buttons were made before the fields; Tab follows the order the user reads in.
    QList<QWidget*> chain(m_edits.begin(), m_edits.end());
    chain << m_save << m_cancel;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    FocusFirstField();
}

void CRecordEditDlg::FocusFirstField()
{
    for (QLineEdit* edit : m_edits)
        if (edit->isEnabled())
        {
            edit->setFocus(Qt::TabFocusReason);
            edit->selectAll();
            return;
        }
}

void CRecordEditDlg::FocusFieldAtFault(const Outcome& refusal)
{
    QLineEdit* at = refusal.status == Status::InvalidNumber ? m_byFieldName.value(refusal.detail) : nullptr;
    // The message box took the keyboard; the dialog takes it back.
    activateWindow();
    if (!at || !at->isEnabled())
        return FocusFirstField();
    at->setFocus(Qt::OtherFocusReason);
    at->selectAll();
}

QLineEdit* CRecordEditDlg::AddField(const QString& objectName, const QString& fieldName, const QString& text)
{
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(objectName);
    edit->setMinimumWidth(160);
    m_fields->addRow(fieldName + QStringLiteral(":"), edit);
    m_edits << edit;
    m_byFieldName.insert(fieldName, edit);
    return edit;
}

void CRecordEditDlg::AddNote(const QString& text)
{
    auto* note = new QLabel(text, this);
    note->setObjectName(QStringLiteral("note"));
    m_layout->insertWidget(1, note);
}

void CRecordEditDlg::OnSave()
{
    const Outcome outcome = SaveRecord();
    ReportOutcome(m_session.Reporter(), outcome);
    if (!outcome.Succeeded())
    {
        FocusFieldAtFault(outcome); // the dialog stays open with what was typed
        return;
    }
    m_session.ShowTable(m_kind);
    // Adding stays open, values kept, ready for the next record.
    if (m_mode == Mode::Edit)
        close();
    else
        FocusFirstField();
}
