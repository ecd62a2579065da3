#include "gui/app/app_texts.h"

#include "gui/app/command_ids.h"

#include <QHash>

namespace AppTexts
{
namespace
{
// Prompt strings: the status prompt, then after a line break the tool tip.
const QHash<int, QString>& Prompts()
{
    static const QHash<int, QString> prompts = {
        {Command::OutputFile, QStringLiteral("导出文件")},
        {Command::CommSettings, QStringLiteral("串口通讯")},
        {Command::ShowCoor, QStringLiteral("坐标编辑")},
        {Command::ShowCode, QStringLiteral("编码编辑")},
        {Command::Import, QStringLiteral("导入文件\n导入文件")},
        {Command::SdCard, QStringLiteral("数据转换为SD卡格式保存")},
        {Command::ShowAlignment, QStringLiteral("平面定线")},
        {Command::Download, QStringLiteral("串口数据下载")},
        {Command::Upload, QStringLiteral("串口数据上传")},
        {Command::ToggleLeftBar, QStringLiteral("\n左侧工具栏")},
        {Command::ToggleToolBar, QStringLiteral("\n工具栏")},
        {Command::ToggleStatusBar, QStringLiteral("\n状态栏")},
    };
    return prompts;
}
} // namespace

QString StatusPrompt(int command)
{
    return Prompts().value(command).section(QLatin1Char('\n'), 0, 0);
}

QString MenuItem(const QString& words, QChar key, bool opensDialog)
{
    return words + QStringLiteral("(&") + key + QLatin1Char(')') + (opensDialog ? QStringLiteral("...") : QString());
}

QString CommandToolTip(int command)
{
    return Prompts().value(command).section(QLatin1Char('\n'), 1, 1);
}
} // namespace AppTexts
