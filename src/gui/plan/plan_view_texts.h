#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the plan tab.
namespace PlanViewTexts
{
inline constexpr ShownText Tab = QT_TRANSLATE_NOOP("MERION", "平面图");
inline constexpr ShownText FitAll = QT_TRANSLATE_NOOP("MERION", "全图");
inline constexpr ShownText FitAllTip = QT_TRANSLATE_NOOP("MERION", "显示全部点 (Home)");
inline constexpr ShownText Names = QT_TRANSLATE_NOOP("MERION", "点名");
inline constexpr ShownText NamesTip = QT_TRANSLATE_NOOP("MERION", "显示点名（放大后显示更多）");
inline constexpr ShownText Codes = QT_TRANSLATE_NOOP("MERION", "代码");
inline constexpr ShownText CodesTip = QT_TRANSLATE_NOOP("MERION", "点名后显示代码");
inline constexpr ShownText ExportImage = QT_TRANSLATE_NOOP("MERION", "导出平面图...");
inline constexpr ShownText ExportDxf = QT_TRANSLATE_NOOP("MERION", "导出DXF...");
inline constexpr ShownText ImageFilter = QT_TRANSLATE_NOOP("MERION", "PNG 图像(*.png);;SVG 图形(*.svg);;PDF 文档(*.pdf)");
inline constexpr ShownText DxfFilter = QT_TRANSLATE_NOOP("MERION", "DXF 文件(*.dxf)");
// The ground under the cursor in the status bar.
inline QString Cursor(double east, double north)
{
    return QStringLiteral("E %1   N %2").arg(east, 0, 'f', 3).arg(north, 0, 'f', 3);
}
} // namespace PlanViewTexts
