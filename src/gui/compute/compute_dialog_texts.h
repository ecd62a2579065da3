#pragma once

#include "core/report/shown_text.h"

// The fixed texts of the computation dialogs and the report window.
namespace ComputeDialogTexts
{
inline constexpr ShownText PointsTitle = QT_TRANSLATE_NOOP("MERION", "重算坐标");
inline constexpr ShownText TraverseTitle = QT_TRANSLATE_NOOP("MERION", "导线计算");
inline constexpr ShownText KnownFrom = QT_TRANSLATE_NOOP("MERION", "已知点");
inline constexpr ShownText KnownFromJob = QT_TRANSLATE_NOOP("MERION", "作业中的测站和后视坐标");
inline constexpr ShownText KnownFromList = QT_TRANSLATE_NOOP("MERION", "坐标列表");
inline constexpr ShownText KnownFromFile = QT_TRANSLATE_NOOP("MERION", "坐标文件（点名,N,E,Z,代码）");
inline constexpr ShownText Browse = QT_TRANSLATE_NOOP("MERION", "浏览...");
inline constexpr ShownText FileFilter = QT_TRANSLATE_NOOP("MERION", "坐标文件 (*.txt *.csv *.dat);;所有文件 (*.*)");
inline constexpr ShownText Refraction = QT_TRANSLATE_NOOP("MERION", "球气差改正，折光系数 k");
inline constexpr ShownText Scale = QT_TRANSLATE_NOOP("MERION", "投影比例因子");
inline constexpr ShownText Tolerance = QT_TRANSLATE_NOOP("MERION", "较差限值(mm)");
inline constexpr ShownText Candidates = QT_TRANSLATE_NOOP("MERION", "可选点（测站与已知点）");
inline constexpr ShownText Route = QT_TRANSLATE_NOOP("MERION", "导线路线：A, B, S1 … Sn, C, D（闭合：A, B, … , B, A）");
inline constexpr ShownText AddPoint = QT_TRANSLATE_NOOP("MERION", "添加 →");
inline constexpr ShownText RemovePoint = QT_TRANSLATE_NOOP("MERION", "← 移除");
inline constexpr ShownText MoveUp = QT_TRANSLATE_NOOP("MERION", "上移");
inline constexpr ShownText MoveDown = QT_TRANSLATE_NOOP("MERION", "下移");
inline constexpr ShownText KnownMark = QT_TRANSLATE_NOOP("MERION", "（已知）");
inline constexpr ShownText Grade = QT_TRANSLATE_NOOP("MERION", "等级");
inline constexpr ShownText BestGrade = QT_TRANSLATE_NOOP("MERION", "满足的最高等级");
inline constexpr ShownText SaveReport = QT_TRANSLATE_NOOP("MERION", "保存报告...");
inline constexpr ShownText ReportFilter = QT_TRANSLATE_NOOP("MERION", "PDF 文件 (*.pdf);;文本文件 (*.txt)");
inline constexpr ShownText CopyQuestion = QT_TRANSLATE_NOOP("MERION", "用重算坐标替换坐标列表中的全部点吗？");
inline constexpr ShownText GradesTitle = QT_TRANSLATE_NOOP("MERION", "导线等级");
inline constexpr ShownText GradeName = QT_TRANSLATE_NOOP("MERION", "等级名称");
inline constexpr ShownText GradeStations = QT_TRANSLATE_NOOP("MERION", "最多测站数（0 不限）");
inline constexpr ShownText GradeAngle = QT_TRANSLATE_NOOP("MERION", "角度闭合差限差（″/√n）");
inline constexpr ShownText GradeRelative = QT_TRANSLATE_NOOP("MERION", "相对闭合差限差 1/N 的 N");
inline constexpr ShownText GradeLength = QT_TRANSLATE_NOOP("MERION", "导线全长（km，0 不限）");
inline constexpr ShownText AddGrade = QT_TRANSLATE_NOOP("MERION", "添加等级");
inline constexpr ShownText RemoveGrade = QT_TRANSLATE_NOOP("MERION", "删除等级");
inline constexpr ShownText Heights = QT_TRANSLATE_NOOP("MERION", "仪器高与目标高（改正后的值用于计算）");
inline constexpr ShownText HeightKind = QT_TRANSLATE_NOOP("MERION", "类型");
inline constexpr ShownText HeightName = QT_TRANSLATE_NOOP("MERION", "点名");
inline constexpr ShownText HeightRecorded = QT_TRANSLATE_NOOP("MERION", "记录值(m)");
inline constexpr ShownText HeightUsed = QT_TRANSLATE_NOOP("MERION", "改正后(m)");
inline constexpr ShownText InstrumentHeight = QT_TRANSLATE_NOOP("MERION", "仪器高");
inline constexpr ShownText TargetHeight = QT_TRANSLATE_NOOP("MERION", "目标高");
inline constexpr ShownText AdjustTitle = QT_TRANSLATE_NOOP("MERION", "平差计算");
inline constexpr ShownText FreeStationTitle = QT_TRANSLATE_NOOP("MERION", "自由设站");
inline constexpr ShownText Station = QT_TRANSLATE_NOOP("MERION", "测站");
inline constexpr ShownText SigmaDirection = QT_TRANSLATE_NOOP("MERION", "方向中误差(″)");
inline constexpr ShownText SigmaDistance = QT_TRANSLATE_NOOP("MERION", "测距中误差 a(mm) + b(ppm)");
inline constexpr ShownText AdjustHeights = QT_TRANSLATE_NOOP("MERION", "同时平差高程（三角高程）");
inline constexpr ShownText SigmaCentring = QT_TRANSLATE_NOOP("MERION", "对中误差(mm)");
inline constexpr ShownText StationSigmas = QT_TRANSLATE_NOOP("MERION", "测站自己的先验精度（空白处取仪器的值）");
inline constexpr ShownText DirectionColumn = QT_TRANSLATE_NOOP("MERION", "方向(″)");
inline constexpr ShownText DistanceAColumn = QT_TRANSLATE_NOOP("MERION", "测距 a(mm)");
inline constexpr ShownText DistanceBColumn = QT_TRANSLATE_NOOP("MERION", "测距 b(ppm)");
inline constexpr ShownText CentringColumn = QT_TRANSLATE_NOOP("MERION", "对中(mm)");
inline constexpr ShownText KnownWeights = QT_TRANSLATE_NOOP("MERION", "加权的已知点（空白处固定）");
inline constexpr ShownText PlanSigmaColumn = QT_TRANSLATE_NOOP("MERION", "平面中误差(mm)");
inline constexpr ShownText HeightSigmaColumn = QT_TRANSLATE_NOOP("MERION", "高程中误差(mm)");
inline constexpr ShownText AddWeight = QT_TRANSLATE_NOOP("MERION", "添加");
inline constexpr ShownText RemoveWeight = QT_TRANSLATE_NOOP("MERION", "删除");
inline constexpr ShownText Adjusting = QT_TRANSLATE_NOOP("MERION", "正在平差……");
inline constexpr ShownText AdjustingIteration = QT_TRANSLATE_NOOP("MERION", "正在平差：第 %1 次迭代……");
inline constexpr ShownText AdjustingPrecision = QT_TRANSLATE_NOOP("MERION", "正在计算平差结果的精度……");
inline constexpr ShownText CancelAdjusting = QT_TRANSLATE_NOOP("MERION", "取消");
inline constexpr ShownText AdjustCancelled = QT_TRANSLATE_NOOP("MERION", "平差已取消，平差结果未作改动");
inline constexpr ShownText CopyAdjustedQuestion = QT_TRANSLATE_NOOP("MERION", "用平差坐标替换坐标列表中的全部点吗？");
// %1 the standardized residual, %2 the observation, %3 the critical value.
inline constexpr ShownText BlunderQuestion = QT_TRANSLATE_NOOP("MERION", "最大标准化残差 w = %1（%2）超过临界值 %3，该观测可能含粗差。\n剔除该观测后重新平差吗？");
}
