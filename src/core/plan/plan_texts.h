#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the plan, its image export and the DXF export.
namespace PlanTexts
{
inline constexpr ShownText NoPoints = QT_TRANSLATE_NOOP("MERION", "没有可显示的点");
inline constexpr ShownText SkippedPoints = QT_TRANSLATE_N_NOOP("MERION", "%n 个点的坐标不是数字，未画出");
// How much larger than on the ground the error ellipses and residual vectors, or a traverse's
// coordinate misclosure, are drawn (see Exaggeration, MisclosureExaggeration).
inline constexpr ShownText ExaggerationNote = QT_TRANSLATE_NOOP("MERION", "误差椭圆（1σ）与残差向量放大 %1 倍");
inline constexpr ShownText MisclosureNote = QT_TRANSLATE_NOOP("MERION", "导线坐标闭合差放大 %1 倍");
inline constexpr ShownText UnknownImageType = QT_TRANSLATE_NOOP("MERION", "Unknown image type: use .png, .svg or .pdf");
// The title block of a printed plan.
inline constexpr ShownText TitleProject = QT_TRANSLATE_NOOP("MERION", "项目：%1");
inline constexpr ShownText TitleDate = QT_TRANSLATE_NOOP("MERION", "日期：%1");
inline constexpr ShownText TitleSystem = QT_TRANSLATE_NOOP("MERION", "坐标系：%1");
inline constexpr ShownText TitleScale = QT_TRANSLATE_NOOP("MERION", "比例：%1");

// The factor is written with up to six significant digits, as a reader compares it by eye.
inline QString Exaggeration(double factor)
{
    return ExaggerationNote.Arg(QString::number(factor, 'g', 6));
}
inline QString MisclosureExaggeration(double factor)
{
    return MisclosureNote.Arg(QString::number(factor, 'g', 6));
}
}
