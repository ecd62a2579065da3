#pragma once

#include "core/report/shown_text.h"

#include <QStringList>

// The words of the file windows: the import, output, measurement export and SD-card dialogs.
namespace FileDialogTexts
{
// Import dialog.
inline constexpr ShownText ImportFilter = QT_TRANSLATE_NOOP("MERION", "All  Files(*.*);;Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)");
inline constexpr ShownText DataTypeLabel = QT_TRANSLATE_NOOP("MERION", "数据类型(&D):");
inline constexpr ShownText DataFormatLabel = QT_TRANSLATE_NOOP("MERION", "数据格式(&F):");
inline constexpr ShownText DataTypes[] = {QT_TRANSLATE_NOOP("MERION", "(1) 坐标数据"), QT_TRANSLATE_NOOP("MERION", "(2) 代码数据"), "(3) T5/T5+", "(4) T8", "(5) T8 V2"};
inline constexpr ShownText CodeFormat = QT_TRANSLATE_NOOP("MERION", "(1) ID,Code ");
inline constexpr ShownText MeasFormat = QT_TRANSLATE_NOOP("MERION", "(1) Meas_Data");
// The record kinds of a T8 version 2 text, in V2Record order.
inline constexpr ShownText V2Formats[] = {QT_TRANSLATE_NOOP("MERION", "(1) Meas_Data"), QT_TRANSLATE_NOOP("MERION", "(2) Coor_Data"), QT_TRANSLATE_NOOP("MERION", "(3) Road Stake Out"), QT_TRANSLATE_NOOP("MERION", "(4) X-Sect Measurement"), QT_TRANSLATE_NOOP("MERION", "(5) Plain Alignment Element")};

// Export dialogs.
inline constexpr ShownText ListExportFilter = QT_TRANSLATE_NOOP("MERION", "Excel File(*.csv)");
inline constexpr ShownText OutputFileFilter = QT_TRANSLATE_NOOP("MERION", "Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)");
// The point list can also go to CAD as a drawing.
inline constexpr ShownText DxfFileFilter = QT_TRANSLATE_NOOP("MERION", "DXF Files(*.dxf)");
inline constexpr ShownText DataExportFilter = QT_TRANSLATE_NOOP("MERION", "Text File(*.txt);;DAT File(*.dat)");
inline constexpr ShownText SeparatorLabel = QT_TRANSLATE_NOOP("MERION", "分隔符号(&S):");
inline constexpr ShownText Separators[] = {QT_TRANSLATE_NOOP("MERION", "(1) ','"), QT_TRANSLATE_NOOP("MERION", "(2) 'Space'"), QT_TRANSLATE_NOOP("MERION", "(3) 'Tab'")};
inline constexpr ShownText CurrentListData = QT_TRANSLATE_NOOP("MERION", "(0) Current List Data");

// Measurement exports: the short layouts use the data export's filter.
inline constexpr ShownText MeasExportFilter = QT_TRANSLATE_NOOP("MERION", "CSV File(*.csv);;Text File(*.txt);;DAT File(*.dat)");
inline constexpr ShownText AngleTypeLabel = QT_TRANSLATE_NOOP("MERION", "角度类型:");

// SD-card dialog.
inline constexpr ShownText SdCardTitle = QT_TRANSLATE_NOOP("MERION", "SD卡文件保存路径");
inline constexpr ShownText InstrumentLabel = QT_TRANSLATE_NOOP("MERION", "仪器类型:");
inline constexpr ShownText FolderPathLabel = QT_TRANSLATE_NOOP("MERION", "文件夹路径:");
inline constexpr ShownText Browse = QT_TRANSLATE_NOOP("MERION", "浏览");
inline constexpr ShownText FolderNameLabel = QT_TRANSLATE_NOOP("MERION", "文件夹名:");
inline constexpr ShownText FileNameLabel = QT_TRANSLATE_NOOP("MERION", "文件名:");
inline constexpr ShownText Save = QT_TRANSLATE_NOOP("MERION", "保存");
inline constexpr ShownText Cancel = QT_TRANSLATE_NOOP("MERION", "取消");
inline constexpr ShownText FolderPickerTitle = QT_TRANSLATE_NOOP("MERION", "Folder Path");
// The type column of a folder in the file dialogs' listing (Qt's own word has no Chinese).
inline constexpr ShownText FolderType = QT_TRANSLATE_NOOP("MERION", "文件夹");

// The question before the end of a run empties a list holding hand work; %1 names the list.
inline constexpr ShownText UnsavedListQuestion = QT_TRANSLATE_NOOP("MERION", "%1中有手工输入或修改的数据，自上次导出或上传以来尚未保存。\n退出将清空该列表（副本存入数据库旁的 discarded 文件夹）。\n是否先导出？");
inline constexpr ShownText PointList = QT_TRANSLATE_NOOP("MERION", "坐标列表");
inline constexpr ShownText CodeList = QT_TRANSLATE_NOOP("MERION", "编码列表");
inline constexpr ShownText AlignmentList = QT_TRANSLATE_NOOP("MERION", "平面线形列表");
inline constexpr ShownText ExportFirst = QT_TRANSLATE_NOOP("MERION", "导出…");
inline constexpr ShownText ExitAnyway = QT_TRANSLATE_NOOP("MERION", "仍然退出");
// The same before another project is opened in its place.
inline constexpr ShownText UnsavedListSwitchQuestion = QT_TRANSLATE_NOOP("MERION", "%1中有手工输入或修改的数据，自上次导出或上传以来尚未保存。\n打开另一个项目将清空该列表（副本存入数据库旁的 discarded 文件夹）。\n是否先导出？");
inline constexpr ShownText SwitchAnyway = QT_TRANSLATE_NOOP("MERION", "仍然切换");

// Column orders, angle formats and instrument names read the same in every language.
inline const QStringList CoorFormats = {
    QStringLiteral("(1) PT#,N,E,Z,PCODE"),     QStringLiteral("(2) PT#,E,N,Z,PCODE"),
    QStringLiteral("(3) PT#,PCODE,N,E,Z"),     QStringLiteral("(4) PT#,PCODE,E,N,Z"),
    QStringLiteral("(5) SN,PT#,PCODE,N,E,Z"),  QStringLiteral("(6) SN,PT#,PCODE,E,N,Z"),
    QStringLiteral("(7) SN,PT#,N,E,Z,PCODE"),  QStringLiteral("(8) SN,PT#,E,N,Z,PCODE")};
inline const QStringList AngleTypes = {QStringLiteral("ddd°mm′ss″"), QStringLiteral("ddd.dddd°")};
inline const QStringList Instruments = {QStringLiteral("T5/T5+"), QStringLiteral("T8")};
}
