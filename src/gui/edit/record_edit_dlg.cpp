#include "gui/edit/record_edit_dlg.h"

#include "gui/app/merion_app.h"
#include "core/edit/edit_texts.h"
#include "gui/views/plx_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CRecordEditDlg::CRecordEditDlg(CMerionApp& app, DataKind kind, Mode mode, const QString& caption, QWidget* parent)
    : QDialog(parent), m_app(app), m_kind(kind), m_mode(mode), m_layout(new QVBoxLayout(this)),
      m_fields(new QFormLayout), m_save(new QPushButton(EditTexts::SaveLabel, this))
{
    setWindowTitle(caption);
    m_layout->addLayout(m_fields);

    m_save->setObjectName(QStringLiteral("save"));
    m_save->setText(mode == Mode::Add ? EditTexts::AddButton : EditTexts::SaveButton);
    // Enter in a field must not close a modeless dialog that stays open for the next point.
    m_save->setAutoDefault(false);
    auto* cancel = new QPushButton(EditTexts::CancelLabel, this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(cancel);
    m_layout->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, &CRecordEditDlg::OnSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

QLineEdit* CRecordEditDlg::AddField(const QString& objectName, const QString& fieldName, const QString& text)
{
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(objectName);
    edit->setMinimumWidth(160);
    m_fields->addRow(fieldName + QStringLiteral(":"), edit);
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
    const EditOutcome outcome = SaveRecord();
    ReportOutcome(m_app.Reporter(), outcome);
    if (!outcome.Succeeded())
        return; // the dialog stays open with what was typed
    if (CPlxView* view = m_app.View())
        view->ShowTable(m_kind);
    // Adding stays open, values kept, ready for the next record.
    if (m_mode == Mode::Edit)
        close();
}
