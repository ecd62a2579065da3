#pragma once

#include "core/report/shown_text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSizeF>
#include <QString>

#include <algorithm>
#include <cmath>

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
// On the plan while its points are read (see Loading).
inline constexpr ShownText LoadingPoints = QT_TRANSLATE_NOOP("MERION", "正在读取点…");
inline constexpr ShownText LoadingRows = QT_TRANSLATE_NOOP("MERION", "正在读取点… %1/%2");
// Where an exported plan went, in the status bar.
inline constexpr ShownText Exported = QT_TRANSLATE_NOOP("MERION", "平面图已保存到 %1");

// The printed sheet.
inline constexpr ShownText SheetTitle = QT_TRANSLATE_NOOP("MERION", "平面图打印设置");
inline constexpr ShownText Paper = QT_TRANSLATE_NOOP("MERION", "纸张：");
inline constexpr ShownText Orientation = QT_TRANSLATE_NOOP("MERION", "方向：");
inline constexpr ShownText Landscape = QT_TRANSLATE_NOOP("MERION", "横向");
inline constexpr ShownText Portrait = QT_TRANSLATE_NOOP("MERION", "纵向");
inline constexpr ShownText Scale = QT_TRANSLATE_NOOP("MERION", "比例：");
inline constexpr ShownText FitPage = QT_TRANSLATE_NOOP("MERION", "适合页面");
inline constexpr ShownText TitleBlock = QT_TRANSLATE_NOOP("MERION", "图签（项目、日期、坐标系、比例）");
inline constexpr ShownText UseFitPage = QT_TRANSLATE_NOOP("MERION", "改为适合页面");
// How the job lies on the sheet (one of these three is the verdict); %1 the scale, %2 the job's
// extent on paper, %3 the map's frame (see OnSheet).
inline constexpr ShownText FittedAt = QT_TRANSLATE_NOOP("MERION", "按 %1 出图：测区在纸上 %2，图框 %3。");
inline constexpr ShownText FitsAt = QT_TRANSLATE_NOOP("MERION", "%1 时测区在纸上 %2，放得下（图框 %3）。");
inline constexpr ShownText CutAt = QT_TRANSLATE_NOOP("MERION", "%1 时测区在纸上 %2，超出图框 %3：将以测区中心居中出图，图框外的部分不画。要画出全部点，请改为适合页面或更大的纸张。");

// How many rows of how many are read, grouped by thousands as the list's count is.
inline QString Loading(qint64 read, qint64 total)
{
    if (total <= 0)
        return LoadingPoints.Text();
    const QLocale grouped(QLocale::English);
    return LoadingRows.Arg(grouped.toString(std::min(read, total)), grouped.toString(total));
}

// A size on paper in whole millimetres, rounded up.
inline QString Millimetres(QSizeF size)
{
    return QStringLiteral("%1 × %2 mm").arg(std::ceil(size.width()), 0, 'f', 0).arg(std::ceil(size.height()), 0, 'f', 0);
}
// A verdict on the sheet, its sizes in whole millimetres rounded up.
inline QString OnSheet(const ShownText& verdict, const QString& scale, QSizeF job, QSizeF map)
{
    return verdict.Arg(scale, Millimetres(job), Millimetres(map));
}

// The ground under the cursor in the status bar, to the millimetre.
inline QString Cursor(double east, double north)
{
    return QStringLiteral("E %1   N %2").arg(east, 0, 'f', 3).arg(north, 0, 'f', 3);
}
}
