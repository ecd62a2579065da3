#pragma once

#include "core/report/shown_text.h"

#include <QCoreApplication>
#include <QString>

// The fixed texts of the computations: why one cannot be made.
namespace ComputeTexts
{
inline constexpr ShownText RouteTooShort =
    QT_TRANSLATE_NOOP("MERION", "导线至少需要两个已知点和一个后续测站（A,B,S1,…）");
inline QString NotKnown(const QString& name)
{
    return QCoreApplication::translate("MERION", "%1 不是已知点").arg(name);
}
inline QString NoSetupPointing(const QString& station, const QString& back, const QString& ahead)
{
    return QCoreApplication::translate("MERION", "测站 %1 没有同时照准 %2 和 %3 的设站").arg(station, back, ahead);
}
inline QString NoDistance(const QString& from, const QString& to)
{
    return QCoreApplication::translate("MERION", "%1 与 %2 之间没有测距").arg(from, to);
}
inline constexpr ShownText NoSetups = QT_TRANSLATE_NOOP("MERION", "作业中没有测站");
inline QString NoGrade(const QString& name)
{
    return QCoreApplication::translate("MERION", "没有名为 %1 的导线等级").arg(name);
}
inline constexpr ShownText GradeWithoutName = QT_TRANSLATE_NOOP("MERION", "导线等级需要名称");
inline QString GradeTwice(const QString& name)
{
    return QCoreApplication::translate("MERION", "导线等级 %1 出现了两次").arg(name);
}
inline QString GradeLimits(const QString& name)
{
    return QCoreApplication::translate("MERION", "导线等级 %1：角度闭合差和相对闭合差的限值须大于 0，测站数和长度不能为负（0 表示不限）").arg(name);
}
} // namespace ComputeTexts
