#include "gui/app/main_frame.h"

#include "gui/app/app_texts.h"
#include "gui/app/command_ids.h"
#include "gui/app/command_panel.h"
#include "gui/app/merion_app.h"
#include "gui/app/subsystem_commands.h"
#include "gui/plan/plan_tab.h"
#include "gui/plan/plan_view_texts.h"
#include "core/edit/record_delete.h"
#include "gui/toolkit/lock_keys.h"
#include "gui/toolkit/table_copy.h"
#include "gui/views/plx_doc.h"
#include "gui/views/plx_view.h"
#include "gui/views/view_texts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QItemSelectionModel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>

CMainFrame::CMainFrame(CMerionApp& app)
    : m_app(app), m_help(QCoreApplication::applicationDirPath())
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
    // The editing commands follow the list: what it shows and which row is selected.
    connect(&m_app.Document(), &CPlxDoc::ViewsNeedUpdate, this, &CMainFrame::UpdateEditActions);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CMainFrame::UpdateEditActions);
    connect(m_view->model(), &QAbstractItemModel::modelReset, this, &CMainFrame::UpdateEditActions);
    RegisterSubsystemCommands(m_app, *m_view);
    UpdateEditActions();
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

QAction* CMainFrame::MakeRowAction(const QString& text, int command)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QStringLiteral("cmd_%1").arg(command));
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] {
        m_view->SetRememberedRow(SelectedRow());
        SendCommand(command);
    });
    return action;
}

void CMainFrame::CreateMenus()
{
    CreateFileMenu();
    CreateEditMenu();
    CreateSerialMenu();
    CreateShowMenu();
}

void CMainFrame::CreateFileMenu()
{
    QMenu* file = menuBar()->addMenu(AppTexts::FileMenu);
    file->setObjectName(QStringLiteral("fileMenu"));
    QAction* open = MakeAction(AppTexts::OpenItem, Command::Import);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addAction(open);
    QAction* output = MakeAction(AppTexts::MenuItem(AppTexts::OutputFileButton, QLatin1Char('E'), true),
                                 Command::OutputFile);
    output->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addAction(output);
    file->addAction(MakeAction(AppTexts::MenuItem(AppTexts::ListExportButton, QLatin1Char('L'), true),
                               Command::ListExport));
    file->addAction(MakeAction(AppTexts::MenuItem(AppTexts::SdCardButton, QLatin1Char('D'), true), Command::SdCard));
    file->addSeparator();
    file->addAction(MakeAction(AppTexts::ExitItem, Command::MenuExit));
}

void CMainFrame::CreateEditMenu()
{
    QMenu* edit = menuBar()->addMenu(AppTexts::EditMenu);
    edit->setObjectName(QStringLiteral("editMenu"));
    m_copy = new QAction(AppTexts::CopyItem, this);
    m_copy->setObjectName(QStringLiteral("copyRows"));
    m_copy->setShortcut(QKeySequence::Copy);
    connect(m_copy, &QAction::triggered, this, &CMainFrame::CopySelectedRows);
    edit->addAction(m_copy);
    edit->addSeparator();
    edit->addAction(MakeAction(AppTexts::MenuItem(AppTexts::CoorButton, QLatin1Char('P'), false), Command::ShowCoor));
    edit->addAction(MakeAction(AppTexts::MenuItem(AppTexts::CodeButton, QLatin1Char('B'), false), Command::ShowCode));
    edit->addSeparator();
    edit->addAction(MakeAction(AppTexts::MenuItem(ViewTexts::Add, QLatin1Char('A'), true), Command::AddRecord));
    edit->addAction(MakeRowAction(AppTexts::MenuItem(ViewTexts::Edit, QLatin1Char('E'), true), Command::EditRecord));
    QAction* remove = MakeRowAction(AppTexts::MenuItem(ViewTexts::DeleteRecord, QLatin1Char('D'), false),
                                    Command::DeleteRecord);
    remove->setShortcut(QKeySequence::Delete);
    edit->addAction(remove);
    edit->addAction(MakeAction(AppTexts::MenuItem(ViewTexts::DeleteAll, QLatin1Char('L'), false), Command::DeleteAll));
    connect(edit, &QMenu::aboutToShow, this, &CMainFrame::UpdateEditActions);
}

void CMainFrame::CreateSerialMenu()
{
    QMenu* serial = menuBar()->addMenu(AppTexts::SerialMenu);
    serial->setObjectName(QStringLiteral("serialMenu"));
    serial->addAction(MakeAction(AppTexts::MenuItem(AppTexts::CommSettingsButton, QLatin1Char('S'), true),
                                 Command::CommSettings));
    serial->addAction(MakeAction(AppTexts::MenuItem(AppTexts::UploadButton, QLatin1Char('U'), true), Command::Upload));
    serial->addAction(
        MakeAction(AppTexts::MenuItem(AppTexts::DownloadButton, QLatin1Char('D'), true), Command::Download));
}

void CMainFrame::CreateShowMenu()
{
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

int CMainFrame::SelectedRow() const
{
    // Asked on every change of the selection: the ranges tell at once when several rows are
    // selected, where listing the selected rows would go through all of them.
    const QItemSelectionModel* selection = m_view->selectionModel();
    int row = -1;
    for (const QItemSelectionRange& range : selection->selection())
    {
        if (range.top() != range.bottom() || (row >= 0 && range.top() != row))
            return -1;
        row = range.top();
    }
    return row >= 0 && selection->isRowSelected(row) ? row : -1;
}

void CMainFrame::UpdateEditActions()
{
    const bool editable = IsEditableKind(m_app.CurrentKind());
    const bool oneRow = editable && SelectedRow() >= 0;
    CommandAction(Command::AddRecord)->setEnabled(editable);
    CommandAction(Command::EditRecord)->setEnabled(oneRow);
    CommandAction(Command::DeleteRecord)->setEnabled(oneRow);
    CommandAction(Command::DeleteAll)->setEnabled(editable);
    m_copy->setEnabled(m_view->selectionModel()->hasSelection());
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
    case Command::ToggleLeftBar:
    case Command::ToggleStatusBar:
        ShowBar(command, CommandAction(command)->isChecked());
        return;
    case Command::Help:
        m_help.Open(m_app.Reporter());
        return;
    default:
        m_view->OnCommand(command);
    }
}

void CMainFrame::ShowBar(int toggleCommand, bool visible)
{
    CommandAction(toggleCommand)->setChecked(visible);
    if (toggleCommand == Command::ToggleToolBar)
        m_toolBar->setVisible(visible);
    else if (toggleCommand == Command::ToggleLeftBar)
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
const QList<QPair<int, QString>> BarKeys = {{Command::ToggleToolBar, QStringLiteral("window/toolBar")},
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
    return restoreGeometry(settings.value(GeometryKey).toByteArray());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}
