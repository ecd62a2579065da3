#include "gui/shell/command_actions.h"

#include <QAction>
#include <QMenu>

CCommandActions::CCommandActions(QObject* parent) : QObject(parent)
{
    for (const CommandRow& row : CommandTable())
    {
        QAction* action = MakeAction(row.command, MenuText(row), this);
        if (!row.shortcut.isEmpty())
            action->setShortcut(row.shortcut);
        action->setCheckable(row.checkable);
        action->setChecked(row.checkable);
        if (row.onSelectedRow)
        {
            // The menu's item and its key act on the row the user selected, as the context
            // menu's item acts on the row under the cursor.
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this, command = row.command] {
                emit SelectedRowCommandRequested();
                Run(command);
            });
        }
        m_actions.insert(row.command, action);
    }
}

QAction* CCommandActions::MakeAction(Command command, const QString& text, QObject* parent) const
{
    auto* action = new QAction(text, parent);
    action->setObjectName(QStringLiteral("cmd_%1").arg(int(command)));
    action->setData(int(command));
    const CommandRow& row = CommandRowOf(command);
    action->setStatusTip(StatusPrompt(row));
    if (const QString tip = PromptToolTip(row); !tip.isEmpty())
        action->setToolTip(tip);
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    return action;
}

void CCommandActions::Handle(Command command, std::function<void()> handler)
{
    m_handlers.insert(command, std::move(handler));
}

void CCommandActions::Run(Command command) const
{
    const auto handler = m_handlers.constFind(command);
    if (handler != m_handlers.constEnd())
        (*handler)();
}

QMenu* CCommandActions::CreateContextMenu(ContextGroup group, bool onRow, QWidget* parent) const
{
    auto* menu = new QMenu(parent);
    menu->setTitle(ContextTitle(group));
    for (const CommandRow& row : CommandTable())
    {
        if (row.context != group)
            continue;
        if (row.contextSeparatorBefore)
            menu->addSeparator();
        QAction* action = MakeAction(row.command, Translated(row.contextWords), menu);
        action->setEnabled(onRow || !row.contextNeedsRow);
        menu->addAction(action);
    }
    return menu;
}
