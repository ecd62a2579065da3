#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the least-squares adjustment: why a network cannot be adjusted.
namespace AdjustmentTexts
{
inline constexpr ShownText NoObservations = QT_TRANSLATE_NOOP("MERION", "没有可平差的观测");
inline constexpr ShownText NoFixedPoint = QT_TRANSLATE_NOOP("MERION", "平差网没有已知点");
inline constexpr ShownText NoFixedOrientation =
    QT_TRANSLATE_NOOP("MERION", "平差网没有固定方位：至少需要两个已知点");
inline constexpr ShownText NoFixedHeight = QT_TRANSLATE_NOOP("MERION", "高程网没有已知高程");

// When the network falls apart, the part that lacks its datum is named by one of its points.
inline QString InPart(const QString& problem, const QString& point)
{
    return QCoreApplication::translate("MERION", "%1（点 %2 所在的部分）").arg(problem, point);
}
inline QString PointNotDetermined(const QString& point)
{
    return QCoreApplication::translate("MERION", "点 %1 无法由观测确定").arg(point);
}
inline QString HeightNotDetermined(const QString& point)
{
    return QCoreApplication::translate("MERION", "点 %1 的高程无法由观测确定").arg(point);
}
inline QString OrientationNotDetermined(const QString& station)
{
    return QCoreApplication::translate("MERION", "测站 %1 的定向无法由观测确定").arg(station);
}
inline QString NoApproximation(const QString& point)
{
    return QCoreApplication::translate("MERION", "点 %1 无法计算近似坐标：需要已知测站的方向和距离").arg(point);
}
inline QString NotConverged(int iterations)
{
    return QCoreApplication::translate("MERION", "平差迭代 %n 次后仍未收敛", nullptr, iterations);
}
inline QString NoSetupAt(const QString& station)
{
    return QCoreApplication::translate("MERION", "作业中没有测站 %1").arg(station);
}
inline QString TooFewKnownForStation(const QString& station)
{
    return QCoreApplication::translate("MERION", "自由设站 %1 至少需要观测两个已知点").arg(station);
}
} // namespace AdjustmentTexts
