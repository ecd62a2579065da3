#include "gui/app/app_texts.h"

#include "gui/app/command_ids.h"

#include <algorithm>

namespace AppTexts
{
namespace
{
struct Prompt
{
    int command;
    ShownText text;
};

// Prompt strings: the status prompt, then after a line break the tool tip.
constexpr Prompt Prompts[] = {
    {Command::OutputFile, QT_TRANSLATE_NOOP("MERION", "导出文件")},
    {Command::CommSettings, QT_TRANSLATE_NOOP("MERION", "串口通讯")},
    {Command::ShowCoor, QT_TRANSLATE_NOOP("MERION", "坐标编辑")},
    {Command::ShowCode, QT_TRANSLATE_NOOP("MERION", "编码编辑")},
    {Command::Import, QT_TRANSLATE_NOOP("MERION", "导入文件\n导入文件")},
    {Command::SdCard, QT_TRANSLATE_NOOP("MERION", "数据转换为SD卡格式保存")},
    {Command::ShowAlignment, QT_TRANSLATE_NOOP("MERION", "平面定线")},
    {Command::Download, QT_TRANSLATE_NOOP("MERION", "串口数据下载")},
    {Command::Upload, QT_TRANSLATE_NOOP("MERION", "串口数据上传")},
    {Command::ToggleLeftBar, QT_TRANSLATE_NOOP("MERION", "\n左侧工具栏")},
    {Command::ToggleToolBar, QT_TRANSLATE_NOOP("MERION", "\n工具栏")},
    {Command::ToggleStatusBar, QT_TRANSLATE_NOOP("MERION", "\n状态栏")},
};

QString PromptOf(int command)
{
    const auto* found = std::find_if(std::begin(Prompts), std::end(Prompts),
                                     [command](const Prompt& prompt) { return prompt.command == command; });
    return found == std::end(Prompts) ? QString() : found->text.Text();
}

bool HasHan(const QString& words)
{
    return std::any_of(words.begin(), words.end(), [](QChar c) { return c.script() == QChar::Script_Han; });
}
} // namespace

QString StatusPrompt(int command)
{
    return PromptOf(command).section(QLatin1Char('\n'), 0, 0);
}

QString MenuItem(const QString& words, QChar key, bool opensDialog)
{
    const QString ellipsis = opensDialog ? QStringLiteral("...") : QString();
    const qsizetype at = HasHan(words) ? -1 : words.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return words + QStringLiteral("(&") + key + QLatin1Char(')') + ellipsis;
    return QString(words).insert(at, QLatin1Char('&')) + ellipsis;
}

QString CommandToolTip(int command)
{
    return PromptOf(command).section(QLatin1Char('\n'), 1, 1);
}
} // namespace AppTexts
