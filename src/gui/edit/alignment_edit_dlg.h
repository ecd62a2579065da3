#pragma once

#include "gui/edit/record_edit_dlg.h"

class QLineEdit;

// The plane alignment dialog: one element of 520SurLine, with the note that explains the
// line types.
class CAlignmentEditDlg : public CRecordEditDlg
{
    Q_OBJECT
public:
    // `cells` are the list cells of the row to edit (empty when adding).
    CAlignmentEditDlg(CSession& session, Mode mode, const QStringList& cells, QWidget* parent = nullptr);

protected:
    Outcome SaveRecord() override;

private:
    QLineEdit* m_sequence;
    QLineEdit* m_lineType;
    QLineEdit* m_startDist;
    QLineEdit* m_radius;
    QLineEdit* m_north;
    QLineEdit* m_east;
};
