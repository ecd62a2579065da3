#include "gui/edit/alignment_edit_dlg.h"

#include "core/store/project_store.h"
#include "gui/shell/session.h"
#include "core/edit/alignment_edit.h"
#include "core/edit/edit_texts.h"
#include "gui/edit/edit_dialog_texts.h"
#include "core/views/data_kind.h"

#include <QLineEdit>

CAlignmentEditDlg::CAlignmentEditDlg(CSession& session, Mode mode, const QStringList& cells, QWidget* parent)
    : CRecordEditDlg(session, DataKind::Alignment, mode, EditDialogTexts::AlignmentCaption, parent),
      m_sequence(AddField(QStringLiteral("sequence"), EditTexts::Sequence, cells.value(0))),
      m_lineType(AddField(QStringLiteral("lineType"), EditTexts::LineType, cells.value(2))),
      m_startDist(AddField(QStringLiteral("startDist"), EditTexts::StartDist, cells.value(3))),
      m_radius(AddField(QStringLiteral("radius"), EditTexts::Radius, cells.value(4))),
      m_north(AddField(QStringLiteral("north"), EditTexts::North, cells.value(5))),
      m_east(AddField(QStringLiteral("east"), EditTexts::East, cells.value(6)))
{
    AddNote(EditDialogTexts::AlignmentNote);
}

Outcome CAlignmentEditDlg::SaveRecord()
{
    const AlignmentFields element{m_sequence->text(), m_lineType->text(), m_startDist->text(),
                                  m_radius->text(),   m_north->text(),    m_east->text()};
    return EditMode() == Mode::Add ? AddAlignment(Session().Store(), element) : EditAlignment(Session().Store(), element);
}
