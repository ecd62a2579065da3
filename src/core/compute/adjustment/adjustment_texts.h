#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the least-squares adjustment: why a network cannot be adjusted.
namespace AdjustmentTexts
{
inline constexpr ShownText NoObservations = QT_TRANSLATE_NOOP("MERION", "没有可平差的观测");
inline constexpr ShownText NoFixedPoint = QT_TRANSLATE_NOOP("MERION", "平差网没有已知点");
inline constexpr ShownText NoFixedOrientation = QT_TRANSLATE_NOOP("MERION", "平差网没有固定方位：至少需要两个已知点");
inline constexpr ShownText NoFixedHeight = QT_TRANSLATE_NOOP("MERION", "高程网没有已知高程");

// When the network falls apart, the part that lacks its datum is named by one of its points.
inline constexpr ShownText InPart = QT_TRANSLATE_NOOP("MERION", "%1（点 %2 所在的部分）");
inline constexpr ShownText PointNotDetermined = QT_TRANSLATE_NOOP("MERION", "点 %1 无法由观测确定");
inline constexpr ShownText HeightNotDetermined = QT_TRANSLATE_NOOP("MERION", "点 %1 的高程无法由观测确定");
inline constexpr ShownText OrientationNotDetermined = QT_TRANSLATE_NOOP("MERION", "测站 %1 的定向无法由观测确定");
inline constexpr ShownText NoApproximation = QT_TRANSLATE_NOOP("MERION", "点 %1 无法计算近似坐标：需要已知测站的方向和距离");
inline constexpr ShownText NotConverged = QT_TRANSLATE_N_NOOP("MERION", "平差迭代 %n 次后仍未收敛");
inline constexpr ShownText NoSetupAt = QT_TRANSLATE_NOOP("MERION", "作业中没有测站 %1");
inline constexpr ShownText TooFewKnownForStation = QT_TRANSLATE_NOOP("MERION", "自由设站 %1 至少需要观测两个已知点");
inline constexpr ShownText StationSigmasRefused = QT_TRANSLATE_NOOP("MERION", "测站 %1 的先验精度：方向中误差与测距 a + b 须大于 0，对中误差不能为负");
inline constexpr ShownText InstrumentSigmasRefused = QT_TRANSLATE_NOOP("MERION", "仪器先验精度：方向中误差与测距 a + b 须大于 0，对中误差不能为负");
inline constexpr ShownText WeightRefused = QT_TRANSLATE_NOOP("MERION", "已知点 %1 的权：平面与高程中误差须大于 0");
inline constexpr ShownText StationTwice = QT_TRANSLATE_NOOP("MERION", "测站 %1 的先验精度出现了两次");
inline constexpr ShownText WeightTwice = QT_TRANSLATE_NOOP("MERION", "已知点 %1 的权出现了两次");
}
