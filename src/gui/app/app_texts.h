#pragma once

#include "core/report/shown_text.h"
#include "gui/toolkit/program_caption.h"

#include <QString>

// The fixed texts of the application shell.
namespace AppTexts
{
inline const QString& Caption = ProgramCaption;
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

inline constexpr ShownText AboutTitle = QT_TRANSLATE_NOOP("MERION", "关于 MERION");
inline constexpr ShownText Licence = QT_TRANSLATE_NOOP("MERION", "版权所有 © 2026 MERION 开发者。保留所有权利。");
inline QString Libraries(const QString& qt, const QString& engine)
{
    return QCoreApplication::translate("MERION", "运行于 Qt %1 和 %2").arg(qt, engine);
}
// The window's title: the project's file first, as the task bar shows it.
inline QString WindowTitle(const QString& projectFile)
{
    return QStringLiteral("%1 - %2").arg(projectFile, Title.Text());
}

inline constexpr ShownText ToolBarName = QT_TRANSLATE_NOOP("MERION", "主工具栏");

// The command line.
inline constexpr ShownText DatabaseOption = QT_TRANSLATE_NOOP("MERION", "项目数据库文件");
inline constexpr ShownText PathValue = QT_TRANSLATE_NOOP("MERION", "路径");
inline constexpr ShownText LanguageOption = QT_TRANSLATE_NOOP("MERION", "界面语言：zh 为中文，en 为英文（默认随系统）");
inline QString UnknownLanguage(const QString& value)
{
    return QCoreApplication::translate("MERION", "未知的界面语言“%1”：请用 zh 或 en。").arg(value);
}

} // namespace AppTexts
