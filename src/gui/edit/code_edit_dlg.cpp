#include "gui/edit/code_edit_dlg.h"

#include "core/store/project_store.h"
#include "gui/shell/session.h"
#include "core/edit/code_edit.h"
#include "core/edit/edit_texts.h"
#include "gui/edit/edit_dialog_texts.h"
#include "core/views/data_kind.h"

#include <QLineEdit>

CCodeEditDlg::CCodeEditDlg(CSession& session, Mode mode, const QStringList& cells, QWidget* parent)
    : CRecordEditDlg(session, DataKind::Code, mode, mode == Mode::Add ? EditDialogTexts::AddCodeCaption : EditDialogTexts::EditCodeCaption,
                     parent),
      m_number(AddField(QStringLiteral("number"), EditTexts::CodeNumber, cells.value(2))),
      m_code(AddField(QStringLiteral("code"), EditTexts::Code, cells.value(3).trimmed()))
{
    m_number->setEnabled(mode == Mode::Add);
}

Outcome CCodeEditDlg::SaveRecord()
{
    const CodeFields code{m_number->text(), m_code->text()};
    return EditMode() == Mode::Add ? AddCode(Session().Store(), code) : EditCode(Session().Store(), code);
}
