#include "gui/app/main_frame.h"

#include "gui/app/app_texts.h"
#include "gui/app/command_ids.h"
#include "gui/app/command_panel.h"
#include "gui/app/merion_app.h"
#include "gui/app/subsystem_commands.h"
#include "gui/plan/plan_tab.h"
#include "gui/plan/plan_view_texts.h"
#include "gui/views/plx_doc.h"
#include "gui/views/plx_view.h"
#include "core/install/data_files.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>

CMainFrame::CMainFrame(CMerionApp& app) : m_app(app)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(AppTexts::Title);
    CreateClientArea();
    CreateToolBar();
    CreateStatusBar();
    CreateCommandPanel();
    CreateMenus();

    auto* help = MakeAction(QString(), Command::Help);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::ApplicationShortcut);
    addAction(help);

    connect(&m_app.Document(), &CPlxDoc::ViewsNeedUpdate, m_view, &CPlxView::OnUpdate);
    RegisterSubsystemCommands(m_app, *m_view);
    resize(1024, 700);
}

QAction* CMainFrame::MakeAction(const QString& text, int command)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QStringLiteral("cmd_%1").arg(command));
    action->setData(command);
    action->setStatusTip(AppTexts::StatusPrompt(command));
    const QString tip = AppTexts::CommandToolTip(command);
    if (!tip.isEmpty())
        action->setToolTip(tip);
    connect(action, &QAction::triggered, this, [this, command] { SendCommand(command); });
    return action;
}

QAction* CMainFrame::CommandAction(int command) const
{
    return findChild<QAction*>(QStringLiteral("cmd_%1").arg(command));
}

void CMainFrame::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(AppTexts::FileMenu);
    file->setObjectName(QStringLiteral("fileMenu"));
    QAction* open = MakeAction(AppTexts::OpenItem, Command::Import);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addAction(open);
    file->addSeparator();
    file->addAction(MakeAction(AppTexts::ExitItem, Command::MenuExit));

    QMenu* show = menuBar()->addMenu(AppTexts::ShowMenu);
    show->setObjectName(QStringLiteral("showMenu"));
    const QList<QPair<QString, int>> toggles = {{AppTexts::ToolBarItem, Command::ToggleToolBar},
                                                {AppTexts::LeftBarItem, Command::ToggleLeftBar},
                                                {AppTexts::StatusBarItem, Command::ToggleStatusBar}};
    for (const auto& [text, command] : toggles)
    {
        QAction* toggle = MakeAction(text, command);
        toggle->setCheckable(true);
        toggle->setChecked(true);
        show->addAction(toggle);
    }
    // The bars can also be closed by hand; the check marks follow them.
    connect(m_leftBar, &QDockWidget::visibilityChanged, this, [this](bool) {
        if (!isVisible())
            return;
        CommandAction(Command::ToggleLeftBar)->setChecked(!m_leftBar->isHidden());
    });
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("主工具栏"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setMovable(false);
    QAction* read = MakeAction(AppTexts::ReadFileButton, Command::Import);
    read->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    QAction* exportList = MakeAction(AppTexts::ListExportButton, Command::ListExport);
    exportList->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    QAction* exit = MakeAction(AppTexts::ExitButton, Command::ToolBarExit);
    exit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_toolBar->addAction(read);
    m_toolBar->addAction(exportList);
    m_toolBar->addAction(exit);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    // The message pane shows the idle text whenever no command prompt covers it.
    auto* idle = new QLabel(AppTexts::IdlePrompt, bar);
    idle->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(idle, 1);
    for (const QString& indicator : {AppTexts::CapsLock, AppTexts::NumLock, AppTexts::ScrollLock})
    {
        auto* pane = new QLabel(indicator, bar);
        pane->setObjectName(QStringLiteral("indicatorPane"));
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(indicator) + 12);
        bar->addPermanentWidget(pane);
    }
}

void CMainFrame::CreateCommandPanel()
{
    m_leftBar = new QDockWidget(this);
    m_leftBar->setObjectName(QStringLiteral("leftBar"));
    m_leftBar->setFeatures(QDockWidget::DockWidgetClosable);
    m_leftBar->setAllowedAreas(Qt::LeftDockWidgetArea);
    m_leftBar->setTitleBarWidget(new QWidget(m_leftBar));
    m_panel = new CCommandPanel(m_leftBar);
    m_panel->setMinimumSize(170, 200);
    m_leftBar->setWidget(m_panel);
    m_leftBar->setMinimumWidth(170);
    addDockWidget(Qt::LeftDockWidgetArea, m_leftBar);
    connect(m_panel, &CCommandPanel::CommandRequested, this, &CMainFrame::SendCommand);
}

void CMainFrame::CreateClientArea()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("clientTabs"));
    m_view = new CPlxView(m_app, m_tabs);
    m_view->setObjectName(QStringLiteral("listView"));
    m_tabs->addTab(m_view, AppTexts::ListTab);
    m_plan = new CPlanTab(m_app, *m_view, m_tabs);
    m_tabs->addTab(m_plan, PlanViewTexts::Tab);
    statusBar()->insertPermanentWidget(0, m_view->CreateRowCountPane(statusBar()));
    setCentralWidget(m_tabs);
}

void CMainFrame::SendCommand(int command)
{
    switch (command)
    {
    case Command::MenuExit:
    case Command::ToolBarExit:
        close();
        return;
    case Command::ToggleToolBar:
        m_toolBar->setVisible(CommandAction(command)->isChecked());
        return;
    case Command::ToggleLeftBar:
        m_leftBar->setVisible(CommandAction(command)->isChecked());
        return;
    case Command::ToggleStatusBar:
        statusBar()->setVisible(CommandAction(command)->isChecked());
        return;
    case Command::Help:
        OpenHelpDocument();
        return;
    default:
        m_view->OnCommand(command);
    }
}

void CMainFrame::OpenHelpDocument()
{
    // The document is only handed to the system; a missing one is not worth a message.
    const QString path = DataFilePath(AppTexts::HelpFile);
    if (QFileInfo::exists(path))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}
