#pragma once

#include "core/report/shown_text.h"

// The fixed texts of the computation reports, in the interface's language.
namespace ReportTexts
{
// The heads of the number columns: symbols and units a surveyor reads in every language, so
// they are not translated.
inline const QString DeltaN = QStringLiteral("ΔN");
inline const QString DeltaE = QStringLiteral("ΔE");
// A traverse station's compass-rule correction.
inline const QString CorrN = QStringLiteral("vN(mm)");
inline const QString CorrE = QStringLiteral("vE(mm)");
// How far a point moved: recomputed against stored, adjusted against approximate.
inline const QString DeltaNmm = QStringLiteral("dN(mm)");
inline const QString DeltaEmm = QStringLiteral("dE(mm)");
inline const QString DeltaZmm = QStringLiteral("dZ(mm)");
inline const QString C2 = QStringLiteral("2C(″)");
inline const QString SigmaN = QStringLiteral("σN");
inline const QString SigmaE = QStringLiteral("σE");
inline const QString SigmaZ = QStringLiteral("σZ");
// The error ellipse's semi-axes.
inline const QString MajorAxis = QStringLiteral("A");
inline const QString MinorAxis = QStringLiteral("B");
// An observation's residual, its a priori σ, redundancy number and standardized residual.
inline const QString V = QStringLiteral("v");
inline const QString Sigma = QStringLiteral("σ");
inline const QString R = QStringLiteral("r");
inline const QString W = QStringLiteral("w");
inline const QString WeightedSquareSum = QStringLiteral("vᵀPv");

inline constexpr ShownText Pass = QT_TRANSLATE_NOOP("MERION", "合格");
inline constexpr ShownText Fail = QT_TRANSLATE_NOOP("MERION", "超限");
inline constexpr ShownText Computed = QT_TRANSLATE_NOOP("MERION", "计算时间");

// Traverse.
inline constexpr ShownText TraverseTitle = QT_TRANSLATE_NOOP("MERION", "导线计算");
inline constexpr ShownText Shape = QT_TRANSLATE_NOOP("MERION", "导线类型");
inline constexpr ShownText Attached = QT_TRANSLATE_NOOP("MERION", "附合导线");
inline constexpr ShownText Closed = QT_TRANSLATE_NOOP("MERION", "闭合导线");
inline constexpr ShownText Open = QT_TRANSLATE_NOOP("MERION", "支导线（无检核）");
inline constexpr ShownText Route = QT_TRANSLATE_NOOP("MERION", "路线");
inline constexpr ShownText Grade = QT_TRANSLATE_NOOP("MERION", "等级");
inline constexpr ShownText KnownPoints = QT_TRANSLATE_NOOP("MERION", "已知数据");
inline constexpr ShownText Point = QT_TRANSLATE_NOOP("MERION", "点名");
inline constexpr ShownText North = QT_TRANSLATE_NOOP("MERION", "北坐标(N)");
inline constexpr ShownText East = QT_TRANSLATE_NOOP("MERION", "东坐标(E)");
inline constexpr ShownText StartAzimuth = QT_TRANSLATE_NOOP("MERION", "起始方位角");
inline constexpr ShownText EndAzimuth = QT_TRANSLATE_NOOP("MERION", "终边方位角");
inline constexpr ShownText Angles = QT_TRANSLATE_NOOP("MERION", "角度");
inline constexpr ShownText Station = QT_TRANSLATE_NOOP("MERION", "测站");
inline constexpr ShownText Back = QT_TRANSLATE_NOOP("MERION", "后视");
inline constexpr ShownText Ahead = QT_TRANSLATE_NOOP("MERION", "前视");
inline constexpr ShownText Observed = QT_TRANSLATE_NOOP("MERION", "观测角");
inline constexpr ShownText Faces = QT_TRANSLATE_NOOP("MERION", "盘位");
inline constexpr ShownText Correction = QT_TRANSLATE_NOOP("MERION", "改正数(″)");
inline constexpr ShownText Adjusted = QT_TRANSLATE_NOOP("MERION", "改正后角值");
inline constexpr ShownText Legs = QT_TRANSLATE_NOOP("MERION", "边长与坐标增量");
inline constexpr ShownText From = QT_TRANSLATE_NOOP("MERION", "起点");
inline constexpr ShownText To = QT_TRANSLATE_NOOP("MERION", "终点");
inline constexpr ShownText Forward = QT_TRANSLATE_NOOP("MERION", "往测平距");
inline constexpr ShownText Backward = QT_TRANSLATE_NOOP("MERION", "返测平距");
inline constexpr ShownText Distance = QT_TRANSLATE_NOOP("MERION", "平均边长");
inline constexpr ShownText Azimuth = QT_TRANSLATE_NOOP("MERION", "方位角");
inline constexpr ShownText Results = QT_TRANSLATE_NOOP("MERION", "平差后坐标");
inline constexpr ShownText Misclosures = QT_TRANSLATE_NOOP("MERION", "闭合差与精度");
inline constexpr ShownText AngularMisclosure = QT_TRANSLATE_NOOP("MERION", "角度闭合差 fβ");
inline constexpr ShownText AngleCount = QT_TRANSLATE_NOOP("MERION", "测角个数 n");
inline constexpr ShownText CoordinateMisclosure = QT_TRANSLATE_NOOP("MERION", "坐标闭合差");
inline constexpr ShownText Length = QT_TRANSLATE_NOOP("MERION", "导线全长 ΣD");
inline constexpr ShownText Relative = QT_TRANSLATE_NOOP("MERION", "全长相对闭合差 K");
inline constexpr ShownText Limit = QT_TRANSLATE_NOOP("MERION", "限差");
inline constexpr ShownText Unchecked = QT_TRANSLATE_NOOP("MERION", "支导线没有检核条件，结果未经检核");
inline constexpr ShownText Known = QT_TRANSLATE_NOOP("MERION", "已知");
inline constexpr ShownText GradeMet = QT_TRANSLATE_NOOP("MERION", "满足等级");

// Recomputed points.
inline constexpr ShownText PointsTitle = QT_TRANSLATE_NOOP("MERION", "重算坐标");
inline constexpr ShownText Refraction = QT_TRANSLATE_NOOP("MERION", "大气折光系数 k");
inline constexpr ShownText RefractionOff = QT_TRANSLATE_NOOP("MERION", "不改正球气差");
inline constexpr ShownText Scale = QT_TRANSLATE_NOOP("MERION", "投影比例因子");
inline constexpr ShownText Tolerance = QT_TRANSLATE_NOOP("MERION", "较差限值(mm)");
inline constexpr ShownText Setups = QT_TRANSLATE_NOOP("MERION", "测站与定向");
inline constexpr ShownText Height = QT_TRANSLATE_NOOP("MERION", "高程(Z)");
inline constexpr ShownText InstrumentHeight = QT_TRANSLATE_NOOP("MERION", "仪器高");
inline constexpr ShownText Omega = QT_TRANSLATE_NOOP("MERION", "定向改正 ω");
inline constexpr ShownText BacksightAzimuth = QT_TRANSLATE_NOOP("MERION", "后视方位角");
inline constexpr ShownText SetAzimuth = QT_TRANSLATE_NOOP("MERION", "设置方位角");
inline constexpr ShownText BacksightDistance = QT_TRANSLATE_NOOP("MERION", "后视距离(坐标)");
inline constexpr ShownText RecordedDistance = QT_TRANSLATE_NOOP("MERION", "后视距离(记录)");
inline constexpr ShownText Corrected = QT_TRANSLATE_NOOP("MERION", "已改正");
inline constexpr ShownText NoStation = QT_TRANSLATE_NOOP("MERION", "无测站坐标");
inline constexpr ShownText Points = QT_TRANSLATE_NOOP("MERION", "重算点");
inline constexpr ShownText Code = QT_TRANSLATE_NOOP("MERION", "代码");
inline constexpr ShownText Flag = QT_TRANSLATE_NOOP("MERION", "超限");
inline constexpr ShownText PointCount = QT_TRANSLATE_NOOP("MERION", "重算点数");
inline constexpr ShownText FlaggedCount = QT_TRANSLATE_NOOP("MERION", "超限点数");

// Both faces.
inline constexpr ShownText FacesTitle = QT_TRANSLATE_NOOP("MERION", "盘左盘右");
inline constexpr ShownText C2Limit = QT_TRANSLATE_NOOP("MERION", "2C 互差限值(″)");
inline constexpr ShownText Target = QT_TRANSLATE_NOOP("MERION", "目标");
inline constexpr ShownText HaLeft = QT_TRANSLATE_NOOP("MERION", "盘左水平角");
inline constexpr ShownText HaRight = QT_TRANSLATE_NOOP("MERION", "盘右水平角");
inline constexpr ShownText MeanDirection = QT_TRANSLATE_NOOP("MERION", "平均方向");
inline constexpr ShownText MeanZenith = QT_TRANSLATE_NOOP("MERION", "平均天顶距");
inline constexpr ShownText Index = QT_TRANSLATE_NOOP("MERION", "指标差(″)");
inline constexpr ShownText C2Spread = QT_TRANSLATE_NOOP("MERION", "2C 互差");

}
