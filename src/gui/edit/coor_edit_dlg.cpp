#include "gui/edit/coor_edit_dlg.h"

#include "core/store/project_store.h"
#include "gui/shell/session.h"
#include "core/edit/coor_edit.h"
#include "core/edit/edit_texts.h"
#include "gui/edit/edit_dialog_texts.h"
#include "core/views/data_kind.h"

#include <QLineEdit>

namespace
{
// A new point starts with empty numbers that must be typed: zeros typed for the user would
// let Enter on a name alone store a point at 0,0,0 that nobody measured.
QString NumberOf(CRecordEditDlg::Mode mode, const QStringList& cells, int column)
{
    return mode == CRecordEditDlg::Mode::Add ? QString() : cells.value(column);
}
} // namespace

CCoorEditDlg::CCoorEditDlg(CSession& session, Mode mode, const QStringList& cells, QWidget* parent)
    : CRecordEditDlg(session, DataKind::Coor, mode, mode == Mode::Add ? EditDialogTexts::AddCoorCaption : EditDialogTexts::EditCoorCaption,
                     parent),
      m_name(AddField(QStringLiteral("name"), EditTexts::PointName, cells.value(2))),
      m_north(AddField(QStringLiteral("north"), EditTexts::North, NumberOf(mode, cells, 3))),
      m_east(AddField(QStringLiteral("east"), EditTexts::East, NumberOf(mode, cells, 4))),
      m_height(AddField(QStringLiteral("height"), EditTexts::Height, NumberOf(mode, cells, 5))),
      m_code(AddField(QStringLiteral("code"), EditTexts::Code, cells.value(6).trimmed()))
{
    // Editing changes a point's values, never which point it is.
    m_name->setEnabled(mode == Mode::Add);
}

Outcome CCoorEditDlg::SaveRecord()
{
    const CoorFields point{m_name->text(), m_north->text(), m_east->text(), m_height->text(), m_code->text()};
    return EditMode() == Mode::Add ? AddCoor(Session().Store(), point) : EditCoor(Session().Store(), point);
}
