#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the application shell.
namespace AppTexts
{
// The program's name, the same in every language.
inline const QString Caption = QStringLiteral("MERION");
inline constexpr ShownText Title = QT_TRANSLATE_NOOP("MERION", "全站仪后处理软件");
inline constexpr ShownText AlreadyRunning = QT_TRANSLATE_NOOP("MERION", "Merion Application Already Running!");
inline constexpr ShownText IdlePrompt = QT_TRANSLATE_NOOP("MERION", "如需帮助，请按F1键");
inline constexpr ShownText CapsLock = QT_TRANSLATE_NOOP("MERION", "大写");
inline constexpr ShownText NumLock = QT_TRANSLATE_NOOP("MERION", "数字");
inline constexpr ShownText ScrollLock = QT_TRANSLATE_NOOP("MERION", "滚动");
inline constexpr ShownText ListTab = QT_TRANSLATE_NOOP("MERION", "列表显示");
inline const QString HelpFile = QStringLiteral("Help.pdf");
inline QString HelpMissing()
{
    return QCoreApplication::translate("MERION", "找不到帮助文档 Help.pdf。\n它应在程序所在的文件夹中，或在安装目录的 share/merion 中。");
}
// %1 is the guide's path, so the user can open it by hand.
inline QString HelpNotOpened(const QString& path)
{
    return QCoreApplication::translate("MERION", "无法打开帮助文档：\n%1\n请安装 PDF 阅读器后再试。").arg(path);
}

inline constexpr ShownText FileMenu = QT_TRANSLATE_NOOP("MERION", "文件(&F)");
inline constexpr ShownText OpenItem = QT_TRANSLATE_NOOP("MERION", "打开(&O)...");
inline constexpr ShownText ExitItem = QT_TRANSLATE_NOOP("MERION", "退出(&X)");
inline constexpr ShownText ShowMenu = QT_TRANSLATE_NOOP("MERION", "显示(&S)");
inline constexpr ShownText ToolBarName = QT_TRANSLATE_NOOP("MERION", "主工具栏");
inline constexpr ShownText ToolBarItem = QT_TRANSLATE_NOOP("MERION", "主工具栏(&T)");
inline constexpr ShownText LeftBarItem = QT_TRANSLATE_NOOP("MERION", "左侧工具栏(&L)");
inline constexpr ShownText StatusBarItem = QT_TRANSLATE_NOOP("MERION", "状态栏(&S)");

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

// The command line.
inline constexpr ShownText DatabaseOption = QT_TRANSLATE_NOOP("MERION", "项目数据库文件");
inline constexpr ShownText PathValue = QT_TRANSLATE_NOOP("MERION", "路径");
inline constexpr ShownText LanguageOption = QT_TRANSLATE_NOOP("MERION", "界面语言：zh 为中文，en 为英文（默认随系统）");
inline QString UnknownLanguage(const QString& value)
{
    return QCoreApplication::translate("MERION", "未知的界面语言“%1”：请用 zh 或 en。").arg(value);
}

// A menu item of `words` with the mnemonic `key`; an item that opens a dialog ends in "...".
// Chinese words take the key in brackets after them, English words underline it in place.
QString MenuItem(const QString& words, QChar key, bool opensDialog);

// The status prompt of a command (the text before the line break of its prompt string);
// empty when it has none.
QString StatusPrompt(int command);
// The tool tip of a command (the text after the line break); empty when it has none.
QString CommandToolTip(int command);
} // namespace AppTexts
