#pragma once

#include "core/report/shown_text.h"

#include <QChar>
#include <QString>

// The words of the commands wherever they are offered: the menus, the tool bar, the command
// panel and the list's context menus. The command table names them; lupdate finds them here.
namespace CommandTexts
{
inline constexpr ShownText FileMenu = QT_TRANSLATE_NOOP("MERION", "文件(&F)");
inline constexpr const char* OpenItem = QT_TRANSLATE_NOOP("MERION", "打开(&O)...");
inline constexpr const char* ExitItem = QT_TRANSLATE_NOOP("MERION", "退出(&X)");
inline constexpr ShownText ShowMenu = QT_TRANSLATE_NOOP("MERION", "显示(&S)");
inline constexpr const char* ToolBarItem = QT_TRANSLATE_NOOP("MERION", "主工具栏(&T)");
inline constexpr const char* LeftBarItem = QT_TRANSLATE_NOOP("MERION", "左侧工具栏(&L)");
inline constexpr const char* StatusBarItem = QT_TRANSLATE_NOOP("MERION", "状态栏(&S)");
inline constexpr ShownText HelpMenu = QT_TRANSLATE_NOOP("MERION", "帮助(&H)");
inline constexpr const char* GuideItem = QT_TRANSLATE_NOOP("MERION", "用户指南");
inline constexpr const char* AboutItem = QT_TRANSLATE_NOOP("MERION", "关于 MERION");
inline constexpr const char* GuidePrompt = QT_TRANSLATE_NOOP("MERION", "打开用户指南");
inline constexpr const char* AboutPrompt = QT_TRANSLATE_NOOP("MERION", "显示程序的版本、许可和所用的库");

inline constexpr const char* ReadFileButton = QT_TRANSLATE_NOOP("MERION", "读文件");
inline constexpr const char* ListExportButton = QT_TRANSLATE_NOOP("MERION", "列表导出");
inline constexpr const char* ExitButton = QT_TRANSLATE_NOOP("MERION", "退出");

inline constexpr ShownText FilePage = QT_TRANSLATE_NOOP("MERION", "文件管理");
inline constexpr ShownText EditPage = QT_TRANSLATE_NOOP("MERION", "数据编辑");
inline constexpr ShownText SerialPage = QT_TRANSLATE_NOOP("MERION", "串口通讯");

// The command panel's buttons; the menus offer the same commands under the same words.
inline constexpr const char* InputFileButton = QT_TRANSLATE_NOOP("MERION", "输入文件");
inline constexpr const char* OutputFileButton = QT_TRANSLATE_NOOP("MERION", "输出文件");
inline constexpr const char* SdCardButton = QT_TRANSLATE_NOOP("MERION", "输出SD卡文件");
inline constexpr const char* CoorButton = QT_TRANSLATE_NOOP("MERION", "常规坐标");
inline constexpr const char* CodeButton = QT_TRANSLATE_NOOP("MERION", "常规编码");
inline constexpr const char* CommSettingsButton = QT_TRANSLATE_NOOP("MERION", "通讯设置");
inline constexpr const char* UploadButton = QT_TRANSLATE_NOOP("MERION", "上传");
inline constexpr const char* DownloadButton = QT_TRANSLATE_NOOP("MERION", "下载");

// Menus beyond the two of the original menu bar: the panel's pages and the list's editing.
inline constexpr ShownText EditMenu = QT_TRANSLATE_NOOP("MERION", "数据编辑(&E)");
inline constexpr ShownText SerialMenu = QT_TRANSLATE_NOOP("MERION", "串口通讯(&C)");
inline constexpr const char* CopyItem = QT_TRANSLATE_NOOP("MERION", "复制(&C)");

// The list's context menus.
inline constexpr ShownText ListEditMenu = QT_TRANSLATE_NOOP("MERION", "列表编辑");
inline constexpr const char* Add = QT_TRANSLATE_NOOP("MERION", "添加");
inline constexpr const char* Edit = QT_TRANSLATE_NOOP("MERION", "编辑");
inline constexpr const char* DeleteRecord = QT_TRANSLATE_NOOP("MERION", "删除记录");
inline constexpr const char* DeleteAll = QT_TRANSLATE_NOOP("MERION", "删除所有");
inline constexpr const char* DataExport = QT_TRANSLATE_NOOP("MERION", "数据导出");

inline constexpr ShownText MeasExportMenu = QT_TRANSLATE_NOOP("MERION", "740测量数据导出");
inline constexpr const char* AngleExport = QT_TRANSLATE_NOOP("MERION", "角度导出");
inline constexpr const char* HdExport = QT_TRANSLATE_NOOP("MERION", "平距导出");
inline constexpr const char* SdExport = QT_TRANSLATE_NOOP("MERION", "斜距导出");
inline constexpr const char* ExportEn = QT_TRANSLATE_NOOP("MERION", "导出 PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");
inline constexpr const char* ExportNe = QT_TRANSLATE_NOOP("MERION", "导出 PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");
inline constexpr ShownText V2MeasExportMenu = QT_TRANSLATE_NOOP("MERION", "520测量数据导出");

// Prompt strings: the status prompt, then after a line break the tool tip.
inline constexpr const char* OutputFilePrompt = QT_TRANSLATE_NOOP("MERION", "导出文件");
inline constexpr const char* CommSettingsPrompt = QT_TRANSLATE_NOOP("MERION", "串口通讯");
inline constexpr const char* ShowCoorPrompt = QT_TRANSLATE_NOOP("MERION", "坐标编辑");
inline constexpr const char* ShowCodePrompt = QT_TRANSLATE_NOOP("MERION", "编码编辑");
inline constexpr const char* ImportPrompt = QT_TRANSLATE_NOOP("MERION", "导入文件\n导入文件");
inline constexpr const char* SdCardPrompt = QT_TRANSLATE_NOOP("MERION", "数据转换为SD卡格式保存");
inline constexpr const char* ShowAlignmentPrompt = QT_TRANSLATE_NOOP("MERION", "平面定线");
inline constexpr const char* DownloadPrompt = QT_TRANSLATE_NOOP("MERION", "串口数据下载");
inline constexpr const char* UploadPrompt = QT_TRANSLATE_NOOP("MERION", "串口数据上传");
inline constexpr const char* LeftBarPrompt = QT_TRANSLATE_NOOP("MERION", "\n左侧工具栏");
inline constexpr const char* ToolBarPrompt = QT_TRANSLATE_NOOP("MERION", "\n工具栏");
inline constexpr const char* StatusBarPrompt = QT_TRANSLATE_NOOP("MERION", "\n状态栏");

// The command panel's tool tips.
inline constexpr const char* InputFileTip = QT_TRANSLATE_NOOP("MERION", "选择您要读取的文件");
inline constexpr const char* OutputFileTip = QT_TRANSLATE_NOOP("MERION", "输出文件到磁盘");
inline constexpr const char* SdCardTip = QT_TRANSLATE_NOOP("MERION", "保存为SD卡文件");
inline constexpr const char* CoorTip = QT_TRANSLATE_NOOP("MERION", "用户自定义坐标输入");
inline constexpr const char* CodeTip = QT_TRANSLATE_NOOP("MERION", "用户自定义编码输入");

// The computations: their menu, panel page, buttons, prompts and tips.
inline constexpr ShownText ComputeMenu = QT_TRANSLATE_NOOP("MERION", "计算(&M)");
inline constexpr ShownText ComputePage = QT_TRANSLATE_NOOP("MERION", "计算");
inline constexpr const char* ComputePointsButton = QT_TRANSLATE_NOOP("MERION", "重算坐标");
inline constexpr const char* ComputeFacesButton = QT_TRANSLATE_NOOP("MERION", "盘左盘右");
inline constexpr const char* ComputeTraverseButton = QT_TRANSLATE_NOOP("MERION", "导线计算");
inline constexpr const char* ShowCalcButton = QT_TRANSLATE_NOOP("MERION", "重算结果");
inline constexpr const char* CopyCalcButton = QT_TRANSLATE_NOOP("MERION", "重算结果复制到坐标列表");
inline constexpr const char* ComputePointsPrompt = QT_TRANSLATE_NOOP("MERION", "由设站重算作业中的每个观测点");
inline constexpr const char* ComputeFacesPrompt = QT_TRANSLATE_NOOP("MERION", "配对盘左盘右观测，计算 2C 和指标差");
inline constexpr const char* ComputeTraversePrompt = QT_TRANSLATE_NOOP("MERION", "计算并平差导线");
inline constexpr const char* ShowCalcPrompt = QT_TRANSLATE_NOOP("MERION", "显示重算坐标");
inline constexpr const char* CopyCalcPrompt = QT_TRANSLATE_NOOP("MERION", "用重算坐标替换坐标列表，以便导出、存SD卡和上传");
inline constexpr const char* ComputePointsTip = QT_TRANSLATE_NOOP("MERION", "改正测站、后视后重算坐标");
inline constexpr const char* ComputeFacesTip = QT_TRANSLATE_NOOP("MERION", "检查盘左盘右观测");
inline constexpr const char* ComputeTraverseTip = QT_TRANSLATE_NOOP("MERION", "附合、闭合和支导线");
inline constexpr const char* ShowCalcTip = QT_TRANSLATE_NOOP("MERION", "列表和平面图显示重算坐标");
inline constexpr const char* EditGradesButton = QT_TRANSLATE_NOOP("MERION", "导线等级");
inline constexpr const char* EditGradesPrompt = QT_TRANSLATE_NOOP("MERION", "查看和修改导线等级的限差");
inline constexpr const char* AdjustButton = QT_TRANSLATE_NOOP("MERION", "平差计算");
inline constexpr const char* FreeStationButton = QT_TRANSLATE_NOOP("MERION", "自由设站");
inline constexpr const char* ShowAdjustedButton = QT_TRANSLATE_NOOP("MERION", "平差结果");
inline constexpr const char* CopyAdjustedButton = QT_TRANSLATE_NOOP("MERION", "平差结果复制到坐标列表");
inline constexpr const char* AdjustPrompt =
    QT_TRANSLATE_NOOP("MERION", "整个作业的最小二乘平差：坐标、中误差、误差椭圆和粗差探测");
inline constexpr const char* FreeStationPrompt = QT_TRANSLATE_NOOP("MERION", "由已知点的方向和距离求测站坐标");
inline constexpr const char* ShowAdjustedPrompt = QT_TRANSLATE_NOOP("MERION", "显示平差坐标");
inline constexpr const char* CopyAdjustedPrompt =
    QT_TRANSLATE_NOOP("MERION", "用平差坐标替换坐标列表，以便导出、存SD卡和上传");
inline constexpr const char* AdjustTip = QT_TRANSLATE_NOOP("MERION", "方向、距离和高差的严密平差");
inline constexpr const char* FreeStationTip = QT_TRANSLATE_NOOP("MERION", "后方交会求测站坐标");
inline constexpr const char* ShowAdjustedTip = QT_TRANSLATE_NOOP("MERION", "列表和平面图显示平差坐标与误差椭圆");

// The coordinate systems: the project's system, transforming the list, parameter fits and the
// exports for maps.
inline constexpr const char* SystemButton = QT_TRANSLATE_NOOP("MERION", "坐标系统");
inline constexpr const char* TransformButton = QT_TRANSLATE_NOOP("MERION", "坐标转换");
inline constexpr const char* FitButton = QT_TRANSLATE_NOOP("MERION", "转换参数");
inline constexpr const char* SystemPrompt = QT_TRANSLATE_NOOP("MERION", "设置项目坐标所在的坐标系统：投影带、EPSG 代码或地方坐标系");
inline constexpr const char* TransformPrompt = QT_TRANSLATE_NOOP("MERION", "把坐标列表转换到另一个坐标系统或经纬度");
inline constexpr const char* FitPrompt = QT_TRANSLATE_NOOP("MERION", "由公共点求四参数或七参数，并用于坐标列表");
inline constexpr const char* SystemTip = QT_TRANSLATE_NOOP("MERION", "投影带、EPSG 代码、地方坐标系");
inline constexpr const char* TransformTip = QT_TRANSLATE_NOOP("MERION", "换带、换坐标系、转经纬度");
inline constexpr const char* FitTip = QT_TRANSLATE_NOOP("MERION", "四参数、七参数");
inline constexpr const char* ExportKmlItem = QT_TRANSLATE_NOOP("MERION", "导出KML");
inline constexpr const char* ExportGeoJsonItem = QT_TRANSLATE_NOOP("MERION", "导出GeoJSON");
inline constexpr const char* ExportKmlPrompt = QT_TRANSLATE_NOOP("MERION", "把坐标列表导出为 KML（Google 地球），按代码分文件夹");
inline constexpr const char* ExportGeoJsonPrompt = QT_TRANSLATE_NOOP("MERION", "把坐标列表导出为 GeoJSON（网络地图）");

// A menu item of `words` with the mnemonic `key`; an item that opens a dialog ends in "...".
// Chinese words take the key in brackets after them, English words underline it in place.
QString MenuItem(const QString& words, QChar key, bool opensDialog);
} // namespace CommandTexts
