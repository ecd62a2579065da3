#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of hand editing: the messages, the field names they quote, and the origin
// mark of rows typed in by hand.
namespace EditTexts
{
// Field names; a dialog's label is the name followed by a colon.
inline constexpr ShownText PointName = QT_TRANSLATE_NOOP("MERION", "点名");
inline constexpr ShownText North = QT_TRANSLATE_NOOP("MERION", "北坐标(N)");
inline constexpr ShownText East = QT_TRANSLATE_NOOP("MERION", "东坐标(E)");
inline constexpr ShownText Height = QT_TRANSLATE_NOOP("MERION", "高程(Z)");
inline constexpr ShownText Code = QT_TRANSLATE_NOOP("MERION", "编码");
inline constexpr ShownText CodeNumber = QT_TRANSLATE_NOOP("MERION", "编号");
inline constexpr ShownText Sequence = QT_TRANSLATE_NOOP("MERION", "序号");
inline constexpr ShownText LineType = QT_TRANSLATE_NOOP("MERION", "定线类型");
inline constexpr ShownText StartDist = QT_TRANSLATE_NOOP("MERION", "起始里程");
inline constexpr ShownText Radius = QT_TRANSLATE_NOOP("MERION", "半径");

inline constexpr ShownText NameEmpty = QT_TRANSLATE_NOOP("MERION", "PT Name Can't Be Null!");
inline constexpr ShownText NameExists = QT_TRANSLATE_NOOP("MERION", "PT Name Already Exists,Please Rename!");
// A required field other than the point name left empty.
inline constexpr ShownText FieldEmpty = QT_TRANSLATE_NOOP("MERION", "%1 Can't Be Null!");
inline constexpr ShownText NoSuchRecord = QT_TRANSLATE_NOOP("MERION", "<%1> is not in the list: nothing was changed.");
// %1 is the field's label without its colon, so the surveyor sees which box to fix.
inline constexpr ShownText NotANumber = QT_TRANSLATE_NOOP("MERION", "%1 Must Be A Number!");

}
