#include "gui/app/command_panel.h"

#include "gui/app/app_texts.h"
#include "gui/app/command_ids.h"
#include "gui/toolkit/cool_button_list.h"

#include <QStyle>

namespace
{
struct PanelButton
{
    QStyle::StandardPixmap icon;
    QString label;
    int command;
    ShownText toolTip;
};
} // namespace

QIcon CCommandPanel::PanelIcon(QStyle::StandardPixmap which) const
{
    // The style's icons come in different sizes; every button shows a full-size picture, and
    // the tip shows it a little larger.
    const QPixmap largest = style()->standardIcon(which).pixmap(QSize(64, 64));
    return QIcon(largest.scaled(QSize(32, 32), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

CCommandPanel::CCommandPanel(QWidget* parent) : CCoolTabCtrl(parent)
{
    setObjectName(QStringLiteral("commandPanel"));
    const QList<QPair<QString, QList<PanelButton>>> pages = {
        {AppTexts::FilePage,
         {{QStyle::SP_DialogOpenButton, AppTexts::InputFileButton, Command::Import, QT_TRANSLATE_NOOP("MERION", "选择您要读取的文件")},
          {QStyle::SP_DialogSaveButton, AppTexts::OutputFileButton, Command::OutputFile, QT_TRANSLATE_NOOP("MERION", "输出文件到磁盘")},
          {QStyle::SP_DriveFDIcon, AppTexts::SdCardButton, Command::SdCard, QT_TRANSLATE_NOOP("MERION", "保存为SD卡文件")}}},
        {AppTexts::EditPage,
         {{QStyle::SP_FileDialogDetailedView, AppTexts::CoorButton, Command::ShowCoor, QT_TRANSLATE_NOOP("MERION", "用户自定义坐标输入")},
          {QStyle::SP_FileDialogListView, AppTexts::CodeButton, Command::ShowCode, QT_TRANSLATE_NOOP("MERION", "用户自定义编码输入")}}},
        {AppTexts::SerialPage,
         {{QStyle::SP_ComputerIcon, AppTexts::CommSettingsButton, Command::CommSettings, QT_TRANSLATE_NOOP("MERION", "通讯设置")},
          {QStyle::SP_ArrowUp, AppTexts::UploadButton, Command::Upload, QT_TRANSLATE_NOOP("MERION", "上传")},
          {QStyle::SP_ArrowDown, AppTexts::DownloadButton, Command::Download, QT_TRANSLATE_NOOP("MERION", "下载")}}},
    };
    for (const auto& [title, buttons] : pages)
    {
        auto* list = new CCoolButtonList(this);
        QList<QIcon> images;
        for (const PanelButton& button : buttons)
        {
            list->AddButton(int(images.size()), button.label, button.command, button.toolTip);
            images << PanelIcon(button.icon);
        }
        list->SetImageList(images);
        // Every page ends with an empty entry; clicking it sends command 0, which nothing handles.
        list->AddButton(-1, QString(), 0, QString());
        connect(list, &CCoolButtonList::CommandRequested, this, &CCommandPanel::CommandRequested);
        AddPage(list, title);
    }
}

CCoolButtonList* CCommandPanel::ButtonList(int page) const
{
    return qobject_cast<CCoolButtonList*>(Page(page));
}
