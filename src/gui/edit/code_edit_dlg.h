#pragma once

#include "gui/edit/record_edit_dlg.h"

class QLineEdit;

// The code dialog: number and text of one code of CodeEdit.
class CCodeEditDlg : public CRecordEditDlg
{
    Q_OBJECT
public:
    // `cells` are the list cells of the row to edit (empty when adding).
    CCodeEditDlg(CSession& session, Mode mode, const QStringList& cells, QWidget* parent = nullptr);

protected:
    Outcome SaveRecord() override;

private:
    QLineEdit* m_number;
    QLineEdit* m_code;
};
