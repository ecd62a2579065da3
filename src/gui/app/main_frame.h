#pragma once

#include "gui/app/help_document.h"

#include <QMainWindow>

class CCommandPanel;
class CMerionApp;
class CPlanTab;
class CPlxView;
class QAction;
class QDockWidget;
class QLabel;
class QSettings;
class QTabWidget;
class QToolBar;

// The main window: menu, tool bar, status bar, the left command panel and the list tab.
// It handles its own commands (bars, help, exit, copy) and passes every other one to the view.
// The menus offer every command of the command panel as well, so the program can be worked
// from the keyboard and with the panel hidden.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(CMerionApp& app);

    CPlxView* View() const { return m_view; }
    CCommandPanel* CommandPanel() const { return m_panel; }
    CPlanTab* PlanTab() const { return m_plan; }
    QTabWidget* ClientTabs() const { return m_tabs; }
    QAction* CommandAction(int command) const; // the menu or tool bar action of a command
    QAction* CopyAction() const { return m_copy; }

    void SendCommand(int command);
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
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateSerialMenu();
    void CreateShowMenu();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateCommandPanel();
    void CreateClientArea();
    QAction* MakeAction(const QString& text, int command);
    // An action on the selected row: the edit and delete commands act on the row the user
    // selected, as they act on the row under the cursor from the context menu.
    QAction* MakeRowAction(const QString& text, int command);
    int SelectedRow() const; // the one selected row, −1 when none or several
    void UpdateEditActions();
    void CopySelectedRows() const;
    void ShowBar(int toggleCommand, bool visible);

    CMerionApp& m_app;
    CPlxView* m_view = nullptr;
    CPlanTab* m_plan = nullptr;
    CCommandPanel* m_panel = nullptr;
    QDockWidget* m_leftBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QTabWidget* m_tabs = nullptr;
    QAction* m_copy = nullptr;
    CHelpDocument m_help;
};
