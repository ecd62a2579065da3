#pragma once

#include "gui/shell/command.h"
#include "gui/shell/command_table.h"

#include <QHash>
#include <QObject>

#include <functional>

class QAction;
class QMenu;

// The program's commands as actions: one action per command, made from the command table with
// its menu words, short-cut, prompt and check mark, and one handler per command that its feature
// gives. The menus, the tool bar, the command panel and the context menus all run commands here.
class CCommandActions : public QObject
{
    Q_OBJECT
public:
    explicit CCommandActions(QObject* parent);

    // The handler that runs `command` from now on (the last one given holds).
    void Handle(Command command, std::function<void()> handler);
    // Runs a command; one that no feature handles does nothing.
    void Run(Command command) const;

    // The command's action as the menu bar shows it (named "cmd_<identifier>").
    QAction* Action(Command command) const { return m_actions.value(command); }
    // Another action for the same command, with other words (the tool bar's, a context menu's).
    QAction* MakeAction(Command command, const QString& text, QObject* parent) const;

    // The context menu of a group of kinds, with the items that act on a row enabled only when
    // `onRow`. The caller owns it.
    QMenu* CreateContextMenu(ContextGroup group, bool onRow, QWidget* parent) const;

signals:
    // Before a command that acts on the selected row runs from the menu bar or its key.
    void SelectedRowCommandRequested();

private:
    QHash<Command, QAction*> m_actions;
    QHash<Command, std::function<void()>> m_handlers;
};

inline size_t qHash(Command command, size_t seed = 0)
{
    return ::qHash(int(command), seed);
}
