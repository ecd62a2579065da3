#pragma once

#include <QString>

// The fixed texts of the application shell.
namespace AppTexts
{
inline const QString Caption = QStringLiteral("MERION");
inline const QString Title = QStringLiteral("全站仪后处理软件");
inline const QString AlreadyRunning = QStringLiteral("Merion Application Already Running!");
inline const QString IdlePrompt = QStringLiteral("如需帮助，请按F1键");
inline const QString CapsLock = QStringLiteral("大写");
inline const QString NumLock = QStringLiteral("数字");
inline const QString ScrollLock = QStringLiteral("滚动");
inline const QString ListTab = QStringLiteral("列表显示");
inline const QString HelpFile = QStringLiteral("Help.pdf");
inline QString HelpMissing()
{
    return QStringLiteral("找不到帮助文档 Help.pdf。\n它应在程序所在的文件夹中，或在安装目录的 share/merion 中。");
}
// %1 is the guide's path, so the user can open it by hand.
inline QString HelpNotOpened(const QString& path)
{
    return QStringLiteral("无法打开帮助文档：\n%1\n请安装 PDF 阅读器后再试。").arg(path);
}

inline const QString FileMenu = QStringLiteral("文件(&F)");
inline const QString OpenItem = QStringLiteral("打开(&O)...");
inline const QString ExitItem = QStringLiteral("退出(&X)");
inline const QString ShowMenu = QStringLiteral("显示(&S)");
inline const QString ToolBarItem = QStringLiteral("主工具栏(&T)");
inline const QString LeftBarItem = QStringLiteral("左侧工具栏(&L)");
inline const QString StatusBarItem = QStringLiteral("状态栏(&S)");

inline const QString ReadFileButton = QStringLiteral("读文件");
inline const QString ListExportButton = QStringLiteral("列表导出");
inline const QString ExitButton = QStringLiteral("退出");

inline const QString FilePage = QStringLiteral("文件管理");
inline const QString EditPage = QStringLiteral("数据编辑");
inline const QString SerialPage = QStringLiteral("串口通讯");

// The command panel's buttons; the menus offer the same commands under the same words.
inline const QString InputFileButton = QStringLiteral("输入文件");
inline const QString OutputFileButton = QStringLiteral("输出文件");
inline const QString SdCardButton = QStringLiteral("输出SD卡文件");
inline const QString CoorButton = QStringLiteral("常规坐标");
inline const QString CodeButton = QStringLiteral("常规编码");
inline const QString CommSettingsButton = QStringLiteral("通讯设置");
inline const QString UploadButton = QStringLiteral("上传");
inline const QString DownloadButton = QStringLiteral("下载");

// Menus beyond the two of the original menu bar: the panel's pages and the list's editing.
inline const QString EditMenu = QStringLiteral("数据编辑(&E)");
inline const QString SerialMenu = QStringLiteral("串口通讯(&C)");
inline const QString CopyItem = QStringLiteral("复制(&C)");

// A menu item of `words` with the mnemonic `key`; an item that opens a dialog ends in "...".
QString MenuItem(const QString& words, QChar key, bool opensDialog);

// The status prompt of a command (the text before the line break of its prompt string);
// empty when it has none.
QString StatusPrompt(int command);
// The tool tip of a command (the text after the line break); empty when it has none.
QString CommandToolTip(int command);
} // namespace AppTexts
