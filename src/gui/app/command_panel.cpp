#include "gui/app/command_panel.h"

#include "gui/shell/command_actions.h"
#include "gui/shell/command_table.h"
#include "gui/toolkit/cool_button_list.h"

#include <QStyle>

QIcon CCommandPanel::PanelIcon(QStyle::StandardPixmap which) const
{
    // The style's icons come in different sizes; every button shows a full-size picture, and
    // the tip shows it a little larger.
    const QPixmap largest = style()->standardIcon(which).pixmap(QSize(64, 64));
    return QIcon(largest.scaled(QSize(32, 32), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

CCommandPanel::CCommandPanel(const CCommandActions& commands, QWidget* parent) : CCoolTabCtrl(parent)
{
    setObjectName(QStringLiteral("commandPanel"));
    for (const PanelHeading& heading : PanelHeadings())
    {
        auto* list = new CCoolButtonList(this);
        QList<QIcon> images;
        for (const CommandRow& row : CommandTable())
        {
            if (row.page != heading.page)
                continue;
            list->AddButton(int(images.size()), Translated(row.panelWords), int(row.command),
                            Translated(row.panelTip));
            images << PanelIcon(row.panelIcon);
        }
        list->SetImageList(images);
        // Every page ends with an empty entry; clicking it runs no command.
        list->AddButton(-1, QString(), int(Command::None), QString());
        connect(list, &CCoolButtonList::CommandRequested, &commands,
                [&commands](int command) { commands.Run(Command(command)); });
        AddPage(list, heading.title);
    }
}

CCoolButtonList* CCommandPanel::ButtonList(int page) const
{
    return qobject_cast<CCoolButtonList*>(Page(page));
}
