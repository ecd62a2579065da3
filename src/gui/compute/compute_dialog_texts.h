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
} // namespace ComputeDialogTexts
