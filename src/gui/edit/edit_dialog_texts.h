#pragma once

#include "core/report/shown_text.h"

// The editing windows' own words; the field names are the edit's (EditTexts).
namespace EditDialogTexts
{
// Asked before a delete.
inline constexpr ShownText DeleteAllQuestion = QT_TRANSLATE_NOOP("MERION", "Delete All Records?");
inline constexpr ShownText DeleteQuestion = QT_TRANSLATE_NOOP("MERION", "Delete <%1> ?");
// One question for several selected rows, naming how many.
inline constexpr ShownText DeleteRowsQuestion = QT_TRANSLATE_N_NOOP("MERION", "删除选中的 %1 条记录？"); // Counted(rows), then the count filled in
inline constexpr ShownText AddCoorCaption = QT_TRANSLATE_NOOP("MERION", "Add Coor");
inline constexpr ShownText EditCoorCaption = QT_TRANSLATE_NOOP("MERION", "Coor Edit");
inline constexpr ShownText AddCodeCaption = QT_TRANSLATE_NOOP("MERION", "Add Code");
inline constexpr ShownText EditCodeCaption = QT_TRANSLATE_NOOP("MERION", "Code Edit");
inline constexpr ShownText AlignmentCaption = QT_TRANSLATE_NOOP("MERION", "道路测量-平面定线");
inline constexpr ShownText AlignmentNote = QT_TRANSLATE_NOOP("MERION", "(定线类型 : 0-直线,1-圆曲线,2-缓和曲线,3-终点)");
inline constexpr ShownText SaveLabel = QT_TRANSLATE_NOOP("MERION", "保存");
inline constexpr ShownText CancelLabel = QT_TRANSLATE_NOOP("MERION", "取消");
inline constexpr ShownText AddButton = QT_TRANSLATE_NOOP("MERION", "Add");
inline constexpr ShownText SaveButton = QT_TRANSLATE_NOOP("MERION", "Save");
}
