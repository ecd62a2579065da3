#pragma once

#include "gui/edit/record_edit_dlg.h"

class QLineEdit;

// The point dialog: name, north, east, height and code of one point of CoorEdit.
class CCoorEditDlg : public CRecordEditDlg
{
    Q_OBJECT
public:
    // `cells` are the list cells of the row to edit (empty when adding).
    CCoorEditDlg(CSession& session, Mode mode, const QStringList& cells, QWidget* parent = nullptr);

protected:
    Outcome SaveRecord() override;

private:
    QLineEdit* m_name;
    QLineEdit* m_north;
    QLineEdit* m_east;
    QLineEdit* m_height;
    QLineEdit* m_code;
};
