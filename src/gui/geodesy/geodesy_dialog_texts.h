#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the coordinate-system dialogs, the status bar's system and the plan's
// position on the globe.
namespace GeodesyDialogTexts
{
inline constexpr ShownText SystemTitle = QT_TRANSLATE_NOOP("MERION", "坐标系统");
inline constexpr ShownText ZoneChoice = QT_TRANSLATE_NOOP("MERION", "CGCS2000 高斯-克吕格投影带");
inline constexpr ShownText EpsgChoice = QT_TRANSLATE_NOOP("MERION", "EPSG 代码");
inline constexpr ShownText LocalChoice = QT_TRANSLATE_NOOP("MERION", "地方坐标系（任意中央子午线和投影面）");
inline constexpr ShownText GeographicChoice = QT_TRANSLATE_NOOP("MERION", "大地坐标（纬度、经度）");
inline constexpr ShownText Meridian = QT_TRANSLATE_NOOP("MERION", "中央子午线经度(°)");
inline constexpr ShownText Height = QT_TRANSLATE_NOOP("MERION", "投影面高程(m)");
inline constexpr ShownText FalseEasting = QT_TRANSLATE_NOOP("MERION", "东坐标加常数(m)");
inline constexpr ShownText FalseNorthing = QT_TRANSLATE_NOOP("MERION", "北坐标加常数(m)");
inline constexpr ShownText ScaleFactor = QT_TRANSLATE_NOOP("MERION", "中央子午线比例因子");
// %1: the system as DescriptionOf names it.
inline constexpr ShownText Current = QT_TRANSLATE_NOOP("MERION", "当前坐标系统：%1");
inline constexpr ShownText NotSet = QT_TRANSLATE_NOOP("MERION", "未设置");
// The status bar's pane; %1: the system, or NotSet.
inline constexpr ShownText SystemPane = QT_TRANSLATE_NOOP("MERION", "坐标系统：%1");
// After the plan's "E … N …": where the cursor lies on the globe, in degrees.
inline constexpr ShownText GeographicPosition = QT_TRANSLATE_NOOP("MERION", "纬度 %1°   经度 %2°");

inline constexpr ShownText TransformTitle = QT_TRANSLATE_NOOP("MERION", "坐标转换");
inline constexpr ShownText Target = QT_TRANSLATE_NOOP("MERION", "转换到");
inline constexpr ShownText ReplaceList = QT_TRANSLATE_NOOP("MERION", "替换坐标列表（并改为新的坐标系统）");
inline constexpr ShownText ToFile = QT_TRANSLATE_NOOP("MERION", "写入 CSV 文件，坐标列表不变");
inline constexpr ShownText WithFactors = QT_TRANSLATE_NOOP("MERION", "附加每点的比例因子和子午线收敛角");
inline constexpr ShownText Browse = QT_TRANSLATE_NOOP("MERION", "浏览...");
inline constexpr ShownText CsvFilter = QT_TRANSLATE_NOOP("MERION", "CSV 文件 (*.csv)");
// %1: the system the list will be in.
inline constexpr ShownText ReplaceQuestion = QT_TRANSLATE_NOOP("MERION", "用转换后的坐标替换坐标列表中的全部点，并把项目的坐标系统改为 %1 吗？原来的列表先保存到 discarded 文件夹。");
inline constexpr ShownText Working = QT_TRANSLATE_NOOP("MERION", "正在处理坐标列表，请稍候...");

inline constexpr ShownText FitTitle = QT_TRANSLATE_NOOP("MERION", "转换参数");
inline constexpr ShownText Similarity = QT_TRANSLATE_NOOP("MERION", "四参数（平面相似变换）");
inline constexpr ShownText Helmert = QT_TRANSLATE_NOOP("MERION", "七参数（布尔莎-沃尔夫）");
inline constexpr ShownText CommonFile = QT_TRANSLATE_NOOP("MERION", "公共点文件（点名,N1,E1,Z1,N2,E2,Z2）");
inline constexpr ShownText CommonFilter = QT_TRANSLATE_NOOP("MERION", "公共点文件 (*.txt *.csv *.dat);;所有文件 (*.*)");
inline constexpr ShownText Fit = QT_TRANSLATE_NOOP("MERION", "计算参数");
inline constexpr ShownText Apply = QT_TRANSLATE_NOOP("MERION", "应用到坐标列表");
inline constexpr ShownText LeaveOutHint = QT_TRANSLATE_NOOP("MERION", "去掉勾选的点不参与计算，再按“计算参数”；参数也可直接输入。");
inline constexpr ShownText PointColumn = QT_TRANSLATE_NOOP("MERION", "点名");
inline constexpr ShownText UsedColumn = QT_TRANSLATE_NOOP("MERION", "参与计算");
inline constexpr ShownText ShiftNorth = QT_TRANSLATE_NOOP("MERION", "北平移 dN (m)");
inline constexpr ShownText ShiftEast = QT_TRANSLATE_NOOP("MERION", "东平移 dE (m)");
inline constexpr ShownText Rotation = QT_TRANSLATE_NOOP("MERION", "旋转角 (″)");
inline constexpr ShownText Scale = QT_TRANSLATE_NOOP("MERION", "尺度 (ppm)");
inline constexpr ShownText ShiftX = QT_TRANSLATE_NOOP("MERION", "平移 tx (m)");
inline constexpr ShownText ShiftY = QT_TRANSLATE_NOOP("MERION", "平移 ty (m)");
inline constexpr ShownText ShiftZ = QT_TRANSLATE_NOOP("MERION", "平移 tz (m)");
inline constexpr ShownText RotationX = QT_TRANSLATE_NOOP("MERION", "旋转 rx (″)");
inline constexpr ShownText RotationY = QT_TRANSLATE_NOOP("MERION", "旋转 ry (″)");
inline constexpr ShownText RotationZ = QT_TRANSLATE_NOOP("MERION", "旋转 rz (″)");
// %1: the RMS of the residuals in millimetres.
inline constexpr ShownText ResidualRms = QT_TRANSLATE_NOOP("MERION", "残差中误差 RMS：%1 mm");
inline constexpr ShownText ApplyQuestion = QT_TRANSLATE_NOOP("MERION", "用这些参数转换坐标列表中的全部点吗？原来的列表先保存到 discarded 文件夹。");

inline constexpr ShownText KmlFilter = QT_TRANSLATE_NOOP("MERION", "KML 文件 (*.kml)");
inline constexpr ShownText GeoJsonFilter = QT_TRANSLATE_NOOP("MERION", "GeoJSON 文件 (*.geojson)");

// Degrees to eight decimals (about a millimetre on the ground).
inline QString Geographic(double latitude, double longitude)
{
    return GeographicPosition.Arg(QString::number(latitude, 'f', 8), QString::number(longitude, 'f', 8));
}
// Millimetres to one decimal.
inline QString Rms(double millimetres)
{
    return ResidualRms.Arg(QString::number(millimetres, 'f', 1));
}
}
