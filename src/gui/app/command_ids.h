#pragma once

// The identifiers that the menu, the tool bar, the command panel and the context menus send.
// They are the program's interface to its instrument-era documentation and scripts: keep the numbers.
namespace Command
{
constexpr int ListExport = 171;
constexpr int ToolBarExit = 172;
constexpr int ToggleLeftBar = 32771;
constexpr int ToggleToolBar = 32773;
constexpr int ToggleStatusBar = 32774;
constexpr int AddRecord = 32780;
constexpr int EditRecord = 32781;
constexpr int DeleteRecord = 32782;
constexpr int DeleteAll = 32783;
constexpr int ExportHd = 32785;
constexpr int ExportSd = 32788;
constexpr int ExportAngle = 32789;
constexpr int DataExport = 32790;
constexpr int ExportMeasEn = 32791;
constexpr int ExportMeasNe = 32792;
constexpr int ExportV2MeasEn = 32793;
constexpr int ExportV2MeasNe = 32794;
constexpr int OutputFile = 57610;
constexpr int CommSettings = 57614;
constexpr int ShowCoor = 57638;
constexpr int ShowCode = 57639;
constexpr int Import = 57645;
constexpr int SdCard = 57647;
constexpr int ShowAlignment = 57650;
constexpr int MenuExit = 57665;
constexpr int Help = 57670;
constexpr int Download = 57675;
constexpr int Upload = 57676;
} // namespace Command
