#pragma once

#include "gui/app/help_document.h"
#include "gui/app/project_commands.h"
#include "gui/shell/command.h"

#include <QMainWindow>

class CCommandActions;
class CCommandPanel;
class CPlanTab;
class CPlxView;
class CSerialLine;
class CSession;
class QAction;
class QDockWidget;
class QMenu;
class QSettings;
class QTabWidget;
class QToolBar;
struct TransferChoices;

// The main window: menu, tool bar, status bar, the left command panel and the list and plan
// tabs, all built from the command table. It hands each feature what that feature uses and
// handles its own commands (bars, help, exit, copy). The menus offer every command of the
// command panel as well, so the program can be worked from the keyboard and with the panel hidden.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    CMainFrame(CSession& session, CSerialLine& line, TransferChoices& choices);

    CPlxView* View() const { return m_view; }
    CCommandPanel* CommandPanel() const { return m_panel; }
    CPlanTab* PlanTab() const { return m_plan; }
    QTabWidget* ClientTabs() const { return m_tabs; }
    CCommandActions& Commands() const { return *m_commands; }
    QAction* CommandAction(Command command) const; // the menu bar's action of a command
    QAction* CopyAction() const { return CommandAction(Command::CopyRows); }

    // What switches the program to another project database (the application's own step).
    void SetProjectOpener(ProjectOpener open) { m_openProject = std::move(open); }
    QMenu* RecentProjectsMenu() const { return m_recentProjects; }

    // The guide that F1 opens (tests give one with a stand-in viewer).
    void SetHelpDocument(CHelpDocument document) { m_help = std::move(document); }

    // The window's size and place, which bars show and the command panel's open page, as the
    // user left them. Restoring gives false when nothing was stored (a first run).
    void SaveLayout(QSettings& settings) const;
    bool RestoreLayout(const QSettings& settings);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateCommandPanel();
    void CreateClientArea();
    void HandleFrameCommands();
    void UpdateEditActions();
    void CopySelectedRows() const;
    void ShowBar(Command toggle, bool visible);

    CSession& m_session;
    CCommandActions* m_commands;
    CPlxView* m_view = nullptr;
    CPlanTab* m_plan = nullptr;
    CCommandPanel* m_panel = nullptr;
    QDockWidget* m_leftBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QTabWidget* m_tabs = nullptr;
    CHelpDocument m_help;
    ProjectOpener m_openProject;
    QMenu* m_recentProjects = nullptr;
};
