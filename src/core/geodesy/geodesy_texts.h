#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of coordinate systems, transformations and the map exports.
namespace GeodesyTexts
{
inline constexpr ShownText NoSystem = QT_TRANSLATE_NOOP("MERION", "项目尚未设置坐标系统：请先设置项目的坐标系统。");
// %1: the system as given ("EPSG:99999").
inline constexpr ShownText UnknownSystem = QT_TRANSLATE_NOOP("MERION", "未知的坐标系统：%1");
// %1: PROJ's own words (English).
inline constexpr ShownText TransformFailed = QT_TRANSLATE_NOOP("MERION", "坐标转换失败：%1");
// %1: the point's name.
inline constexpr ShownText PointNotTransformed = QT_TRANSLATE_NOOP("MERION", "点 %1 无法转换到目标坐标系统，点列表未改变");
// %1: the number of points left as they were.
inline constexpr ShownText SkippedPoints = QT_TRANSLATE_N_NOOP("MERION", "%n 个点的坐标不是数字，未转换");
// %1: the number of common points a fit of that kind needs.
inline constexpr ShownText TooFewCommonPoints = QT_TRANSLATE_NOOP("MERION", "公共点不足：这种参数转换至少需要 %1 个公共点");
inline constexpr ShownText NotProjected = QT_TRANSLATE_NOOP("MERION", "比例因子和子午线收敛角只对投影坐标系统有意义");
inline constexpr ShownText PointsInOneLine = QT_TRANSLATE_NOOP("MERION", "公共点的分布无法确定全部参数（点重合或共线）");
// %1: the line number of the common-point file.
inline constexpr ShownText BadCommonLine = QT_TRANSLATE_NOOP("MERION", "公共点文件第 %1 行应为 点名,N1,E1,Z1,N2,E2,Z2");
}
