#pragma once

#include "core/report/shown_text.h"

#include <QChar>
#include <QString>

// The words of the commands wherever they are offered: the menus, the tool bar, the command
// panel and the list's context menus. The command table names them; lupdate finds them here.
namespace CommandTexts
{
inline constexpr ShownText FileMenu = QT_TRANSLATE_NOOP("MERION", "文件(&F)");
inline constexpr ShownText OpenItem = QT_TRANSLATE_NOOP("MERION", "打开(&O)...");
// The project database: a new one, another one, one of the last opened.
inline constexpr ShownText NewProjectItem = QT_TRANSLATE_NOOP("MERION", "新建项目");
inline constexpr ShownText OpenProjectItem = QT_TRANSLATE_NOOP("MERION", "打开项目");
inline constexpr ShownText RecentProjectsMenu = QT_TRANSLATE_NOOP("MERION", "最近的项目(&R)");
inline constexpr ShownText NewProjectPrompt = QT_TRANSLATE_NOOP("MERION", "新建一个项目数据库并在其中工作\n新建项目数据库");
inline constexpr ShownText OpenProjectPrompt = QT_TRANSLATE_NOOP("MERION", "打开另一个项目数据库，无需重新启动程序\n打开另一个项目数据库");
inline constexpr ShownText ExitItem = QT_TRANSLATE_NOOP("MERION", "退出(&X)");
inline constexpr ShownText ShowMenu = QT_TRANSLATE_NOOP("MERION", "显示(&S)");
inline constexpr ShownText ToolBarItem = QT_TRANSLATE_NOOP("MERION", "主工具栏(&T)");
inline constexpr ShownText LeftBarItem = QT_TRANSLATE_NOOP("MERION", "左侧工具栏(&L)");
inline constexpr ShownText StatusBarItem = QT_TRANSLATE_NOOP("MERION", "状态栏(&S)");
inline constexpr ShownText HelpMenu = QT_TRANSLATE_NOOP("MERION", "帮助(&H)");
inline constexpr ShownText GuideItem = QT_TRANSLATE_NOOP("MERION", "用户指南");
inline constexpr ShownText AboutItem = QT_TRANSLATE_NOOP("MERION", "关于 MERION");
inline constexpr ShownText GuidePrompt = QT_TRANSLATE_NOOP("MERION", "打开用户指南");
inline constexpr ShownText AboutPrompt = QT_TRANSLATE_NOOP("MERION", "显示程序的版本、许可和所用的库");

inline constexpr ShownText ReadFileButton = QT_TRANSLATE_NOOP("MERION", "读文件");
inline constexpr ShownText ListExportButton = QT_TRANSLATE_NOOP("MERION", "列表导出");
inline constexpr ShownText ExitButton = QT_TRANSLATE_NOOP("MERION", "退出");

inline constexpr ShownText FilePage = QT_TRANSLATE_NOOP("MERION", "文件管理");
inline constexpr ShownText EditPage = QT_TRANSLATE_NOOP("MERION", "数据编辑");
inline constexpr ShownText SerialPage = QT_TRANSLATE_NOOP("MERION", "串口通讯");

// The command panel's buttons; the menus offer the same commands under the same words.
inline constexpr ShownText InputFileButton = QT_TRANSLATE_NOOP("MERION", "输入文件");
inline constexpr ShownText OutputFileButton = QT_TRANSLATE_NOOP("MERION", "输出文件");
inline constexpr ShownText SdCardButton = QT_TRANSLATE_NOOP("MERION", "输出SD卡文件");
inline constexpr ShownText CoorButton = QT_TRANSLATE_NOOP("MERION", "常规坐标");
inline constexpr ShownText CodeButton = QT_TRANSLATE_NOOP("MERION", "常规编码");
inline constexpr ShownText CommSettingsButton = QT_TRANSLATE_NOOP("MERION", "通讯设置");
inline constexpr ShownText UploadButton = QT_TRANSLATE_NOOP("MERION", "上传");
inline constexpr ShownText DownloadButton = QT_TRANSLATE_NOOP("MERION", "下载");

// Menus beyond the two of the original menu bar: the panel's pages and the list's editing.
inline constexpr ShownText EditMenu = QT_TRANSLATE_NOOP("MERION", "数据编辑(&E)");
inline constexpr ShownText SerialMenu = QT_TRANSLATE_NOOP("MERION", "串口通讯(&C)");
inline constexpr ShownText CopyItem = QT_TRANSLATE_NOOP("MERION", "复制(&C)");

// The list's context menus.
inline constexpr ShownText ListEditMenu = QT_TRANSLATE_NOOP("MERION", "列表编辑");
inline constexpr ShownText Add = QT_TRANSLATE_NOOP("MERION", "添加");
inline constexpr ShownText Edit = QT_TRANSLATE_NOOP("MERION", "编辑");
inline constexpr ShownText DeleteRecord = QT_TRANSLATE_NOOP("MERION", "删除记录");
inline constexpr ShownText DeleteAll = QT_TRANSLATE_NOOP("MERION", "删除所有");
inline constexpr ShownText DataExport = QT_TRANSLATE_NOOP("MERION", "数据导出");

inline constexpr ShownText MeasExportMenu = QT_TRANSLATE_NOOP("MERION", "740测量数据导出");
inline constexpr ShownText AngleExport = QT_TRANSLATE_NOOP("MERION", "角度导出");
inline constexpr ShownText HdExport = QT_TRANSLATE_NOOP("MERION", "平距导出");
inline constexpr ShownText SdExport = QT_TRANSLATE_NOOP("MERION", "斜距导出");
inline constexpr ShownText ExportEn = QT_TRANSLATE_NOOP("MERION", "导出 PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");
inline constexpr ShownText ExportNe = QT_TRANSLATE_NOOP("MERION", "导出 PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");
inline constexpr ShownText V2MeasExportMenu = QT_TRANSLATE_NOOP("MERION", "520测量数据导出");

// Prompt strings: the status prompt, then after a line break the tool tip.
inline constexpr ShownText OutputFilePrompt = QT_TRANSLATE_NOOP("MERION", "导出文件");
inline constexpr ShownText CommSettingsPrompt = QT_TRANSLATE_NOOP("MERION", "串口通讯");
inline constexpr ShownText ShowCoorPrompt = QT_TRANSLATE_NOOP("MERION", "坐标编辑");
inline constexpr ShownText ShowCodePrompt = QT_TRANSLATE_NOOP("MERION", "编码编辑");
inline constexpr ShownText ImportPrompt = QT_TRANSLATE_NOOP("MERION", "导入文件\n导入文件");
inline constexpr ShownText SdCardPrompt = QT_TRANSLATE_NOOP("MERION", "数据转换为SD卡格式保存");
inline constexpr ShownText ShowAlignmentPrompt = QT_TRANSLATE_NOOP("MERION", "平面定线");
inline constexpr ShownText DownloadPrompt = QT_TRANSLATE_NOOP("MERION", "串口数据下载");
inline constexpr ShownText UploadPrompt = QT_TRANSLATE_NOOP("MERION", "串口数据上传");
inline constexpr ShownText LeftBarPrompt = QT_TRANSLATE_NOOP("MERION", "\n左侧工具栏");
inline constexpr ShownText ToolBarPrompt = QT_TRANSLATE_NOOP("MERION", "\n工具栏");
inline constexpr ShownText StatusBarPrompt = QT_TRANSLATE_NOOP("MERION", "\n状态栏");

// The command panel's tool tips.
inline constexpr ShownText InputFileTip = QT_TRANSLATE_NOOP("MERION", "选择您要读取的文件");
inline constexpr ShownText OutputFileTip = QT_TRANSLATE_NOOP("MERION", "输出文件到磁盘");
inline constexpr ShownText SdCardTip = QT_TRANSLATE_NOOP("MERION", "保存为SD卡文件");
inline constexpr ShownText CoorTip = QT_TRANSLATE_NOOP("MERION", "用户自定义坐标输入");
inline constexpr ShownText CodeTip = QT_TRANSLATE_NOOP("MERION", "用户自定义编码输入");
// What the serial page's buttons do; their labels already say what they are called.
inline constexpr ShownText CommSettingsTip = QT_TRANSLATE_NOOP("MERION", "选择串口、波特率、数据位、停止位和校验位");
inline constexpr ShownText UploadTip = QT_TRANSLATE_NOOP("MERION", "把坐标列表发送到仪器");
inline constexpr ShownText DownloadTip = QT_TRANSLATE_NOOP("MERION", "从仪器接收测量作业并存入项目");
// The tool bar's buttons without a prompt of their own: the status prompt, then the tool tip.
inline constexpr ShownText ListExportPrompt = QT_TRANSLATE_NOOP("MERION", "把列表显示的内容导出为 CSV 文件\n把列表显示的内容导出为 CSV 文件");
inline constexpr ShownText ExitPrompt = QT_TRANSLATE_NOOP("MERION", "关闭程序\n关闭程序（先询问未导出的手工数据）");

// The computations: their menu, panel page, buttons, prompts and tips.
inline constexpr ShownText ComputeMenu = QT_TRANSLATE_NOOP("MERION", "计算(&M)");
inline constexpr ShownText ComputePage = QT_TRANSLATE_NOOP("MERION", "计算");
inline constexpr ShownText ComputePointsButton = QT_TRANSLATE_NOOP("MERION", "重算坐标");
inline constexpr ShownText ComputeFacesButton = QT_TRANSLATE_NOOP("MERION", "盘左盘右");
inline constexpr ShownText ComputeTraverseButton = QT_TRANSLATE_NOOP("MERION", "导线计算");
inline constexpr ShownText ShowCalcButton = QT_TRANSLATE_NOOP("MERION", "重算结果");
inline constexpr ShownText CopyCalcButton = QT_TRANSLATE_NOOP("MERION", "重算结果复制到坐标列表");
inline constexpr ShownText ComputePointsPrompt = QT_TRANSLATE_NOOP("MERION", "由设站重算作业中的每个观测点");
inline constexpr ShownText ComputeFacesPrompt = QT_TRANSLATE_NOOP("MERION", "配对盘左盘右观测，计算 2C 和指标差");
inline constexpr ShownText ComputeTraversePrompt = QT_TRANSLATE_NOOP("MERION", "计算并平差导线");
inline constexpr ShownText ShowCalcPrompt = QT_TRANSLATE_NOOP("MERION", "显示重算坐标");
inline constexpr ShownText CopyCalcPrompt = QT_TRANSLATE_NOOP("MERION", "用重算坐标替换坐标列表，以便导出、存SD卡和上传");
inline constexpr ShownText ComputePointsTip = QT_TRANSLATE_NOOP("MERION", "改正测站、后视后重算坐标");
inline constexpr ShownText ComputeFacesTip = QT_TRANSLATE_NOOP("MERION", "检查盘左盘右观测");
inline constexpr ShownText ComputeTraverseTip = QT_TRANSLATE_NOOP("MERION", "附合、闭合和支导线");
inline constexpr ShownText ShowCalcTip = QT_TRANSLATE_NOOP("MERION", "列表和平面图显示重算坐标");
inline constexpr ShownText EditGradesButton = QT_TRANSLATE_NOOP("MERION", "导线等级");
inline constexpr ShownText EditGradesPrompt = QT_TRANSLATE_NOOP("MERION", "查看和修改导线等级的限差");
inline constexpr ShownText AdjustButton = QT_TRANSLATE_NOOP("MERION", "平差计算");
inline constexpr ShownText FreeStationButton = QT_TRANSLATE_NOOP("MERION", "自由设站");
inline constexpr ShownText ShowAdjustedButton = QT_TRANSLATE_NOOP("MERION", "平差结果");
inline constexpr ShownText CopyAdjustedButton = QT_TRANSLATE_NOOP("MERION", "平差结果复制到坐标列表");
inline constexpr ShownText AdjustPrompt = QT_TRANSLATE_NOOP("MERION", "整个作业的最小二乘平差：坐标、中误差、误差椭圆和粗差探测");
inline constexpr ShownText FreeStationPrompt = QT_TRANSLATE_NOOP("MERION", "由已知点的方向和距离求测站坐标");
inline constexpr ShownText ShowAdjustedPrompt = QT_TRANSLATE_NOOP("MERION", "显示平差坐标");
inline constexpr ShownText CopyAdjustedPrompt = QT_TRANSLATE_NOOP("MERION", "用平差坐标替换坐标列表，以便导出、存SD卡和上传");
inline constexpr ShownText AdjustTip = QT_TRANSLATE_NOOP("MERION", "方向、距离和高差的严密平差");
inline constexpr ShownText FreeStationTip = QT_TRANSLATE_NOOP("MERION", "后方交会求测站坐标");
inline constexpr ShownText ShowAdjustedTip = QT_TRANSLATE_NOOP("MERION", "列表和平面图显示平差坐标与误差椭圆");

// The coordinate systems: the project's system, transforming the list, parameter fits and the
// exports for maps.
inline constexpr ShownText SystemButton = QT_TRANSLATE_NOOP("MERION", "坐标系统");
inline constexpr ShownText TransformButton = QT_TRANSLATE_NOOP("MERION", "坐标转换");
inline constexpr ShownText FitButton = QT_TRANSLATE_NOOP("MERION", "转换参数");
inline constexpr ShownText SystemPrompt = QT_TRANSLATE_NOOP("MERION", "设置项目坐标所在的坐标系统：投影带、EPSG 代码或地方坐标系");
inline constexpr ShownText TransformPrompt = QT_TRANSLATE_NOOP("MERION", "把坐标列表转换到另一个坐标系统或经纬度");
inline constexpr ShownText FitPrompt = QT_TRANSLATE_NOOP("MERION", "由公共点求四参数或七参数，并用于坐标列表");
inline constexpr ShownText SystemTip = QT_TRANSLATE_NOOP("MERION", "投影带、EPSG 代码、地方坐标系");
inline constexpr ShownText TransformTip = QT_TRANSLATE_NOOP("MERION", "换带、换坐标系、转经纬度");
inline constexpr ShownText FitTip = QT_TRANSLATE_NOOP("MERION", "四参数、七参数");
inline constexpr ShownText ExportKmlItem = QT_TRANSLATE_NOOP("MERION", "导出KML");
inline constexpr ShownText ExportGeoJsonItem = QT_TRANSLATE_NOOP("MERION", "导出GeoJSON");
inline constexpr ShownText ExportKmlPrompt = QT_TRANSLATE_NOOP("MERION", "把坐标列表导出为 KML（Google 地球），按代码分文件夹");
inline constexpr ShownText ExportPlanItem = QT_TRANSLATE_NOOP("MERION", "导出平面图");
inline constexpr ShownText ExportPlanPrompt = QT_TRANSLATE_NOOP("MERION", "把平面图导出为 PNG、SVG，或按比例带图签打印为 PDF");
inline constexpr ShownText ExportGeoJsonPrompt = QT_TRANSLATE_NOOP("MERION", "把坐标列表导出为 GeoJSON（网络地图）");

// A menu item of `words` with the mnemonic `key`; an item that opens a dialog ends in "...".
// Chinese words take the key in brackets after them, English words underline it in place.
QString MenuItem(const QString& words, QChar key, bool opensDialog);
}
