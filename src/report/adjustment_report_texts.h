#pragma once

#include "core/report/shown_text.h"

#include <QCoreApplication>
#include <QString>

// The fixed texts of the adjustment report, in the interface's language.
namespace AdjustmentReportTexts
{
inline constexpr ShownText Title = QT_TRANSLATE_NOOP("MERION", "最小二乘平差");
inline constexpr ShownText Network = QT_TRANSLATE_NOOP("MERION", "平差网");
inline constexpr ShownText Setups = QT_TRANSLATE_NOOP("MERION", "测站数");
inline constexpr ShownText Directions = QT_TRANSLATE_NOOP("MERION", "方向观测数");
inline constexpr ShownText Distances = QT_TRANSLATE_NOOP("MERION", "距离观测数");
inline constexpr ShownText HeightDifferences = QT_TRANSLATE_NOOP("MERION", "高差观测数");
inline constexpr ShownText APriori = QT_TRANSLATE_NOOP("MERION", "先验精度");
inline constexpr ShownText APrioriValues = QT_TRANSLATE_NOOP("MERION", "方向 %1″，测距 %2 mm + %3 ppm，对中 %4 mm，仪器高与目标高 %5 mm");
inline constexpr ShownText CentringModel = QT_TRANSLATE_NOOP("MERION", "对中误差的计入");
inline constexpr ShownText CentringModelValue = QT_TRANSLATE_NOOP("MERION", "仪器与目标各对中一次，互相独立：方向方差加 2σc²/D²，距离方差加 2σc²；高差不计");
inline constexpr ShownText StationAPriori = QT_TRANSLATE_NOOP("MERION", "测站 %1 的先验精度");
inline constexpr ShownText StationAPrioriValues = QT_TRANSLATE_NOOP("MERION", "方向 %1″，测距 %2 mm + %3 ppm，对中 %4 mm");
inline constexpr ShownText WeightedPoint = QT_TRANSLATE_NOOP("MERION", "加权已知点 %1");
inline constexpr ShownText PlanWeight = QT_TRANSLATE_NOOP("MERION", "平面 σN = σE = %1 mm");
inline constexpr ShownText HeightWeight = QT_TRANSLATE_NOOP("MERION", "高程 σZ = %1 mm");
inline constexpr ShownText Unknowns = QT_TRANSLATE_NOOP("MERION", "未知数个数");
inline constexpr ShownText Iterations = QT_TRANSLATE_NOOP("MERION", "迭代次数");
inline constexpr ShownText IterationsValue = QT_TRANSLATE_N_NOOP("MERION", "%n 次（直至坐标改正数均小于 0.1 mm）");
inline constexpr ShownText LeftOut = QT_TRANSLATE_NOOP("MERION", "仅有一个观测、未参与平差的点");
inline constexpr ShownText Coordinates = QT_TRANSLATE_NOOP("MERION", "平差坐标与精度");
inline constexpr ShownText SigmaNote = QT_TRANSLATE_NOOP("MERION", "中误差与标准误差椭圆按先验单位权中误差 σ0 = 1 计算，单位 mm");
inline constexpr ShownText MajorAzimuth = QT_TRANSLATE_NOOP("MERION", "长轴方位角");
inline constexpr ShownText Role = QT_TRANSLATE_NOOP("MERION", "类别");
inline constexpr ShownText Fixed = QT_TRANSLATE_NOOP("MERION", "固定");
inline constexpr ShownText Weighted = QT_TRANSLATE_NOOP("MERION", "加权");
inline constexpr ShownText Free = QT_TRANSLATE_NOOP("MERION", "待定");
inline constexpr ShownText Orientations = QT_TRANSLATE_NOOP("MERION", "测站定向角");
inline constexpr ShownText Orientation = QT_TRANSLATE_NOOP("MERION", "定向角");
inline constexpr ShownText Residuals = QT_TRANSLATE_NOOP("MERION", "观测值残差");
inline constexpr ShownText ResidualNote = QT_TRANSLATE_NOOP("MERION", "v = 平差值 − 观测值；r 多余观测分量；w 标准化残差");
inline constexpr ShownText Target = QT_TRANSLATE_NOOP("MERION", "照准点");
inline constexpr ShownText Kind = QT_TRANSLATE_NOOP("MERION", "观测类型");
inline constexpr ShownText Direction = QT_TRANSLATE_NOOP("MERION", "方向");
inline constexpr ShownText Distance = QT_TRANSLATE_NOOP("MERION", "距离");
inline constexpr ShownText HeightDifference = QT_TRANSLATE_NOOP("MERION", "高差");
inline constexpr ShownText ObservedValue = QT_TRANSLATE_NOOP("MERION", "观测值");
inline constexpr ShownText AdjustedValue = QT_TRANSLATE_NOOP("MERION", "平差值");
inline constexpr ShownText Tests = QT_TRANSLATE_NOOP("MERION", "统计检验");
inline constexpr ShownText Dof = QT_TRANSLATE_NOOP("MERION", "自由度");
inline constexpr ShownText Sigma0 = QT_TRANSLATE_NOOP("MERION", "验后单位权中误差 σ0");
inline constexpr ShownText NoRedundancy = QT_TRANSLATE_NOOP("MERION", "无多余观测，无法计算与检验");
inline constexpr ShownText ChiSquare = QT_TRANSLATE_NOOP("MERION", "χ² 检验（95%，双侧）");
inline constexpr ShownText Snooping = QT_TRANSLATE_NOOP("MERION", "最大标准化残差（数据探测）");
inline constexpr ShownText SnoopingValue = QT_TRANSLATE_NOOP("MERION", "%1，%2（临界值 %3）");
inline constexpr ShownText LikelyBlunder = QT_TRANSLATE_NOOP("MERION", "可能含粗差：剔除该观测后重新平差");
inline constexpr ShownText HeightsTitle = QT_TRANSLATE_NOOP("MERION", "高程平差（三角高程，单独平差）");
inline constexpr ShownText HeightResiduals = QT_TRANSLATE_NOOP("MERION", "高差残差");
inline constexpr ShownText HeightTests = QT_TRANSLATE_NOOP("MERION", "高程统计检验");

}
