#include "gui/app/main_frame.h"

#include "core/edit/record_delete.h"
#include "core/geodesy/system_store.h"
#include "core/store/project_store.h"
#include "core/views/data_kind.h"
#include "gui/app/about_box.h"
#include "gui/app/app_texts.h"
#include "gui/app/command_panel.h"
#include "gui/compute/adjust_commands.h"
#include "gui/compute/compute_commands.h"
#include "gui/download/download_commands.h"
#include "gui/edit/edit_commands.h"
#include "gui/files/file_commands.h"
#include "gui/files/meas_export_commands.h"
#include "gui/files/unsaved_lists.h"
#include "gui/geodesy/geodesy_commands.h"
#include "gui/geodesy/geodesy_dialog_texts.h"
#include "gui/link/link_commands.h"
#include "gui/link/transfer_dlg.h"
#include "gui/plan/plan_tab.h"
#include "gui/plan/plan_view_texts.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/command_table.h"
#include "gui/shell/session.h"
#include "gui/toolkit/lock_keys.h"
#include "gui/toolkit/screen_fit.h"
#include "gui/toolkit/table_copy.h"
#include "gui/upload/upload_commands.h"
#include "gui/views/plx_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QFileInfo>
#include <QToolBar>

CMainFrame::CMainFrame(CSession& session, CSerialLine& line, TransferChoices& choices)
    : m_session(session), m_commands(new CCommandActions(this)), m_help(QCoreApplication::applicationDirPath())
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(AppTexts::WindowTitle(QFileInfo(session.Store().DatabasePath()).fileName()));
    CreateClientArea();
    CreateToolBar();
    CreateStatusBar();
    CreateCommandPanel();
    CreateMenus();

    // The editing commands follow the list: what it shows and which row is selected.
    connect(&m_session, &CSession::ViewsNeedUpdate, this, &CMainFrame::UpdateEditActions);
    connect(&m_session, &CSession::SelectionChanged, this, &CMainFrame::UpdateEditActions);
    // A command from the menu bar acts on the selected row.
    connect(m_commands, &CCommandActions::SelectedRowCommandRequested, this,
            [this] { m_view->SetRememberedRow(m_view->SelectedRow()); });

    // Each feature gets what it uses, and no more.
    HandleFrameCommands();
    RegisterEditCommands(*m_commands, m_session, *m_view);
    RegisterFileCommands(*m_commands, m_session, *m_view);
    RegisterMeasExportCommands(*m_commands, m_session, *m_view);
    RegisterLinkCommands(*m_commands, m_session.Store(), *this);
    const TransferContext transfers{m_session, line, choices, statusBar()};
    RegisterUploadCommands(*m_commands, transfers, *this);
    RegisterDownloadCommands(*m_commands, transfers, *this);
    RegisterComputeCommands(*m_commands, m_session, *this);
    RegisterAdjustCommands(*m_commands, m_session, *this);
    RegisterGeodesyCommands(*m_commands, m_session, *this);
    RegisterProjectCommands(*m_commands, m_session, *this, [this](const QString& path) {
        return m_openProject && m_openProject(path);
    });
    // The title names the project the windows show.
    connect(&m_session, &CSession::ProjectChanged, this, [this] {
        setWindowTitle(AppTexts::WindowTitle(QFileInfo(m_session.Store().DatabasePath()).fileName()));
    });
    UpdateEditActions();
    resize(1024, 700);
}

QAction* CMainFrame::CommandAction(Command command) const
{
    return m_commands->Action(command);
}

void CMainFrame::HandleFrameCommands()
{
    CCommandActions& commands = *m_commands;
    commands.Handle(Command::MenuExit, [this] { close(); });
    commands.Handle(Command::ToolBarExit, [this] { close(); });
    for (const Command toggle : {Command::ToggleToolBar, Command::ToggleLeftBar, Command::ToggleStatusBar})
        commands.Handle(toggle, [this, toggle] { ShowBar(toggle, CommandAction(toggle)->isChecked()); });
    commands.Handle(Command::Help, [this] { m_help.Open(m_session.Reporter()); });
    commands.Handle(Command::About, [this] { ShowAboutBox(*this); });
    commands.Handle(Command::ExportPlan, [this] {
        m_tabs->setCurrentWidget(m_plan);
        m_plan->ExportWhenLoaded();
    });
    commands.Handle(Command::CopyRows, [this] { CopySelectedRows(); });
    commands.Handle(Command::ShowCoor, [this] { m_session.ShowTable(DataKind::Coor); });
    commands.Handle(Command::ShowCode, [this] { m_session.ShowTable(DataKind::Code); });
    commands.Handle(Command::ShowAlignment, [this] { m_session.ShowTable(DataKind::Alignment); });
}

void CMainFrame::CreateMenus()
{
    for (const MenuHeading& heading : MenuHeadings())
    {
        QMenu* menu = menuBar()->addMenu(heading.title);
        menu->setObjectName(QString::fromLatin1(heading.objectName));
        for (const CommandRow& row : CommandTable())
        {
            if (row.menu != heading.place)
                continue;
            if (row.separatorBefore)
                menu->addSeparator();
            menu->addAction(CommandAction(row.command));
            if (row.command == Command::OpenProject)
            {
                m_recentProjects = CreateRecentProjectsMenu(m_session, menu, [this](const QString& path) {
                    return m_openProject && m_openProject(path);
                });
                menu->addMenu(m_recentProjects);
            }
        }
        if (heading.place == MenuPlace::Edit)
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateEditActions);
    }
    // A command offered by key alone, and the guide's F1, answer wherever the focus is.
    for (const CommandRow& row : CommandTable())
        if ((row.menu == MenuPlace::None || row.command == Command::Help) && !row.shortcut.isEmpty())
        {
            QAction* action = CommandAction(row.command);
            action->setShortcutContext(Qt::ApplicationShortcut);
            addAction(action);
        }
    // The bars can also be closed by hand; the check marks follow them.
    connect(m_leftBar, &QDockWidget::visibilityChanged, this, [this](bool) {
        if (!isVisible())
            return;
        CommandAction(Command::ToggleLeftBar)->setChecked(!m_leftBar->isHidden());
    });
}

void CMainFrame::UpdateEditActions()
{
    const bool editable = IsEditableKind(m_session.CurrentKind());
    const bool oneRow = editable && m_session.Selected().singleRow >= 0;
    CommandAction(Command::AddRecord)->setEnabled(editable);
    CommandAction(Command::EditRecord)->setEnabled(oneRow);
    CommandAction(Command::DeleteRecord)->setEnabled(editable && m_session.Selected().any);
    CommandAction(Command::DeleteAll)->setEnabled(editable);
    CommandAction(Command::CopyRows)->setEnabled(m_session.Selected().any);
}

void CMainFrame::CopySelectedRows() const
{
    const QString text = SelectedRowsAsText(*m_view);
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = addToolBar(AppTexts::ToolBarName);
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setMovable(false);
    for (const CommandRow& row : CommandTable())
    {
        if (!row.toolWords)
            continue;
        QAction* action = m_commands->MakeAction(row.command, row.toolWords->Text(), this);
        action->setIcon(style()->standardIcon(row.toolIcon));
        m_toolBar->addAction(action);
    }
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    // The message pane shows the idle text whenever no command prompt covers it.
    auto* idle = new QLabel(AppTexts::IdlePrompt, bar);
    idle->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(idle, 1);
    // The project's coordinate system, before the lock keys. (Permanent panes stand after the
    // message pane: one inserted "at 0" once the message pane is there lands at the far end.)
    auto* system = new QLabel(bar);
    system->setObjectName(QStringLiteral("systemPane"));
    bar->addPermanentWidget(system);
    QList<QLabel*> panes;
    for (const ShownText& indicator : {AppTexts::CapsLock, AppTexts::NumLock, AppTexts::ScrollLock})
    {
        auto* pane = new QLabel(indicator, bar);
        pane->setObjectName(QStringLiteral("indicatorPane"));
        pane->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(pane);
        panes << pane;
    }
    new CLockKeyIndicators(panes[0], panes[1], panes[2], QueryLockKeys, this);

    const auto showSystem = [this, system] {
        const CoordinateSystem stored = ReadProjectSystem(m_session.Store());
        const QString description = stored.IsSet() ? DescriptionOf(stored) : GeodesyDialogTexts::NotSet.Text();
        system->setText(GeodesyDialogTexts::SystemPane.Arg(description));
        system->setToolTip(description);
    };
    connect(&m_session, &CSession::SystemChanged, system, showSystem);
    showSystem();
}

void CMainFrame::CreateCommandPanel()
{
    m_leftBar = new QDockWidget(this);
    m_leftBar->setObjectName(QStringLiteral("leftBar"));
    m_leftBar->setFeatures(QDockWidget::DockWidgetClosable);
    m_leftBar->setAllowedAreas(Qt::LeftDockWidgetArea);
    m_leftBar->setTitleBarWidget(new QWidget(m_leftBar));
    m_panel = new CCommandPanel(*m_commands, m_leftBar);
    m_panel->setMinimumSize(170, 200);
    m_leftBar->setWidget(m_panel);
    m_leftBar->setMinimumWidth(170);
    addDockWidget(Qt::LeftDockWidgetArea, m_leftBar);
}

void CMainFrame::CreateClientArea()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("clientTabs"));
    m_view = new CPlxView(m_session, *m_commands, m_tabs);
    m_view->setObjectName(QStringLiteral("listView"));
    m_tabs->addTab(m_view, AppTexts::ListTab);
    m_plan = new CPlanTab(m_session, m_tabs);
    m_tabs->addTab(m_plan, PlanViewTexts::Tab);
    statusBar()->insertPermanentWidget(0, m_view->CreateRowCountPane(statusBar()));
    statusBar()->insertPermanentWidget(0, m_view->CreateSortPane(statusBar()));
    setCentralWidget(m_tabs);
}

void CMainFrame::ShowBar(Command toggle, bool visible)
{
    CommandAction(toggle)->setChecked(visible);
    if (toggle == Command::ToggleToolBar)
        m_toolBar->setVisible(visible);
    else if (toggle == Command::ToggleLeftBar)
        m_leftBar->setVisible(visible);
    else
        statusBar()->setVisible(visible);
}

namespace
{
// Where the layout is kept; the names stay, or a new version forgets the user's layout.
const QString GeometryKey = QStringLiteral("window/geometry");
const QString StateKey = QStringLiteral("window/state");
const QString PageKey = QStringLiteral("window/commandPage");
const QList<QPair<Command, QString>> BarKeys = {{Command::ToggleToolBar, QStringLiteral("window/toolBar")},
                                                {Command::ToggleLeftBar, QStringLiteral("window/commandPanel")},
                                                {Command::ToggleStatusBar, QStringLiteral("window/statusBar")}};
} // namespace

void CMainFrame::SaveLayout(QSettings& settings) const
{
    settings.setValue(GeometryKey, saveGeometry());
    settings.setValue(StateKey, saveState());
    settings.setValue(PageKey, m_panel->CurrentPage());
    for (const auto& [command, key] : BarKeys)
        settings.setValue(key, CommandAction(command)->isChecked());
}

bool CMainFrame::RestoreLayout(const QSettings& settings)
{
    // The docked panel's width comes with the state; which bars show is the user's own choice
    // and is set after it.
    restoreState(settings.value(StateKey).toByteArray());
    for (const auto& [command, key] : BarKeys)
        ShowBar(command, settings.value(key, true).toBool());
    const int page = settings.value(PageKey, 0).toInt();
    if (page >= 0 && page < m_panel->PageCount())
        m_panel->SelectPage(page);
    if (!restoreGeometry(settings.value(GeometryKey).toByteArray()))
        return false;
    // A place saved under a window manager, restored without one, may reach past the screen.
    KeepWithinScreen(*this);
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The end of the run empties the lists: hand work that only this project holds is not
    // emptied away unasked.
    if (!ConfirmEmptyingLists(m_session, *this))
    {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}
