#pragma once

#include <QString>

// The fixed texts of the plan, its image export and the DXF export.
namespace PlanTexts
{
inline const QString NoPoints = QStringLiteral("没有可显示的点");
// %1: the number of points left out.
inline QString SkippedPoints(int count)
{
    return QStringLiteral("%1 个点的坐标不是数字，未画出").arg(count);
}
inline const QString UnknownImageType = QStringLiteral("Unknown image type: use .png, .svg or .pdf");
inline const QString North = QStringLiteral("N");
} // namespace PlanTexts
