#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the plan, its image export and the DXF export.
namespace PlanTexts
{
inline constexpr ShownText NoPoints = QT_TRANSLATE_NOOP("MERION", "没有可显示的点");
// %1: the number of points left out.
inline QString SkippedPoints(int count)
{
    return QCoreApplication::translate("MERION", "%n 个点的坐标不是数字，未画出", nullptr, count);
}
// How much larger than on the ground the error ellipses and residual vectors are drawn.
inline QString Exaggeration(double factor)
{
    return QCoreApplication::translate("MERION", "误差椭圆（1σ）与残差向量放大 %1 倍").arg(QString::number(factor, 'g', 6));
}
// The same for a traverse's coordinate misclosure.
inline QString MisclosureExaggeration(double factor)
{
    return QCoreApplication::translate("MERION", "导线坐标闭合差放大 %1 倍").arg(QString::number(factor, 'g', 6));
}
inline constexpr ShownText UnknownImageType =
    QT_TRANSLATE_NOOP("MERION", "Unknown image type: use .png, .svg or .pdf");
// The north arrow's letter is the same in every language.
inline const QString North = QStringLiteral("N");
} // namespace PlanTexts
