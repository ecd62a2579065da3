#pragma once

#include "core/report/shown_text.h"

#include <QCoreApplication>
#include <QString>

// The fixed texts of the computations: why one cannot be made.
namespace ComputeTexts
{
inline constexpr ShownText RouteTooShort = QT_TRANSLATE_NOOP("MERION", "导线至少需要两个已知点和一个后续测站（A,B,S1,…）");
inline constexpr ShownText NotKnown = QT_TRANSLATE_NOOP("MERION", "%1 不是已知点");
inline constexpr ShownText NoSetupPointing = QT_TRANSLATE_NOOP("MERION", "测站 %1 没有同时照准 %2 和 %3 的设站");
inline constexpr ShownText NoDistance = QT_TRANSLATE_NOOP("MERION", "%1 与 %2 之间没有测距");
inline constexpr ShownText NoSetups = QT_TRANSLATE_NOOP("MERION", "作业中没有测站");
inline constexpr ShownText NoGrade = QT_TRANSLATE_NOOP("MERION", "没有名为 %1 的导线等级");
inline constexpr ShownText GradeWithoutName = QT_TRANSLATE_NOOP("MERION", "导线等级需要名称");
inline constexpr ShownText GradeTwice = QT_TRANSLATE_NOOP("MERION", "导线等级 %1 出现了两次");
inline constexpr ShownText GradeLimits = QT_TRANSLATE_NOOP("MERION", "导线等级 %1：角度闭合差和相对闭合差的限值须大于 0，测站数和长度不能为负（0 表示不限）");
}
