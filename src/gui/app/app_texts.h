#pragma once

#include "core/report/shown_text.h"
#include "gui/toolkit/program_caption.h"

#include <QString>

// The fixed texts of the application shell.
namespace AppTexts
{
inline constexpr ShownText Title = QT_TRANSLATE_NOOP("MERION", "全站仪后处理软件");
inline constexpr ShownText AlreadyRunning = QT_TRANSLATE_NOOP("MERION", "Merion Application Already Running!");
inline constexpr ShownText IdlePrompt = QT_TRANSLATE_NOOP("MERION", "如需帮助，请按F1键");
inline constexpr ShownText CapsLock = QT_TRANSLATE_NOOP("MERION", "大写");
inline constexpr ShownText NumLock = QT_TRANSLATE_NOOP("MERION", "数字");
inline constexpr ShownText ScrollLock = QT_TRANSLATE_NOOP("MERION", "滚动");
inline constexpr ShownText ListTab = QT_TRANSLATE_NOOP("MERION", "列表显示");
inline constexpr ShownText HelpMissing = QT_TRANSLATE_NOOP("MERION", "找不到帮助文档 Help.pdf。\n它应在程序所在的文件夹中，或在安装目录的 share/merion 中。");
// %1 is the guide's path, so the user can open it by hand.
inline constexpr ShownText HelpNotOpened = QT_TRANSLATE_NOOP("MERION", "无法打开帮助文档：\n%1\n请安装 PDF 阅读器后再试。");

inline constexpr ShownText AboutTitle = QT_TRANSLATE_NOOP("MERION", "关于 MERION");
inline constexpr ShownText Licence = QT_TRANSLATE_NOOP("MERION", "版权所有 © 2026 MERION 开发者。保留所有权利。");
inline constexpr ShownText Libraries = QT_TRANSLATE_NOOP("MERION", "运行于 Qt %1 和 %2");
inline constexpr ShownText ToolBarName = QT_TRANSLATE_NOOP("MERION", "主工具栏");

// Opening another project database.
inline constexpr ShownText NewProjectTitle = QT_TRANSLATE_NOOP("MERION", "新建项目");
inline constexpr ShownText OpenProjectTitle = QT_TRANSLATE_NOOP("MERION", "打开项目");
inline constexpr ShownText ProjectFilter = QT_TRANSLATE_NOOP("MERION", "MERION 项目 (*.db);;所有文件 (*)");
inline constexpr ShownText NoRecentProject = QT_TRANSLATE_NOOP("MERION", "（无）");
inline constexpr ShownText ProjectExists = QT_TRANSLATE_NOOP("MERION", "%1 已经存在。新项目需要一个新的文件名；要打开这个项目，请用“打开项目”。");
// Another copy of the program works on that project.
inline constexpr ShownText ProjectInUse = QT_TRANSLATE_NOOP("MERION", "项目 %1 已在另一个 MERION 窗口中打开，这里没有打开它。");

// The command line.
inline constexpr ShownText DatabaseOption = QT_TRANSLATE_NOOP("MERION", "项目数据库文件");
inline constexpr ShownText PathValue = QT_TRANSLATE_NOOP("MERION", "路径");
inline constexpr ShownText LanguageOption = QT_TRANSLATE_NOOP("MERION", "界面语言：zh 为中文，en 为英文（默认随系统）");
inline constexpr ShownText UnknownLanguage = QT_TRANSLATE_NOOP("MERION", "未知的界面语言“%1”：请用 zh 或 en。");

// Untranslated: the same in every language.
inline const QString& Caption = ProgramCaption;
inline const QString HelpFile = QStringLiteral("Help.pdf");
inline const QString EnglishHelpFile = QStringLiteral("Help-en.pdf");

// The window's title: the project's file first, as the task bar shows it.
inline QString WindowTitle(const QString& projectFile)
{
    return QStringLiteral("%1 - %2").arg(projectFile, Title.Text());
}
}
