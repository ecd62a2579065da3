#pragma once

#include <QString>

// The fixed texts of the plan tab.
namespace PlanViewTexts
{
inline const QString Tab = QStringLiteral("平面图");
inline const QString FitAll = QStringLiteral("全图");
inline const QString FitAllTip = QStringLiteral("显示全部点 (Home)");
inline const QString Names = QStringLiteral("点名");
inline const QString NamesTip = QStringLiteral("显示点名（放大后显示更多）");
inline const QString Codes = QStringLiteral("代码");
inline const QString CodesTip = QStringLiteral("点名后显示代码");
inline const QString ExportImage = QStringLiteral("导出平面图...");
inline const QString ExportDxf = QStringLiteral("导出DXF...");
inline const QString ImageFilter =
    QStringLiteral("PNG 图像(*.png);;SVG 图形(*.svg);;PDF 文档(*.pdf)");
inline const QString DxfFilter = QStringLiteral("DXF 文件(*.dxf)");
// The ground under the cursor in the status bar.
inline QString Cursor(double east, double north)
{
    return QStringLiteral("E %1   N %2").arg(east, 0, 'f', 3).arg(north, 0, 'f', 3);
}
} // namespace PlanViewTexts
