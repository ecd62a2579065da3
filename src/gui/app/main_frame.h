#pragma once

#include <QMainWindow>

class CCommandPanel;
class CMerionApp;
class CPlanTab;
class CPlxView;
class QAction;
class QDockWidget;
class QLabel;
class QTabWidget;
class QToolBar;

// The main window: menu, tool bar, status bar, the left command panel and the list tab.
// It handles its own commands (bars, help, exit) and passes every other one to the view.
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

    void SendCommand(int command);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateCommandPanel();
    void CreateClientArea();
    QAction* MakeAction(const QString& text, int command);
    void OpenHelpDocument();

    CMerionApp& m_app;
    CPlxView* m_view = nullptr;
    CPlanTab* m_plan = nullptr;
    CCommandPanel* m_panel = nullptr;
    QDockWidget* m_leftBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QTabWidget* m_tabs = nullptr;
};
