#include "gui/app/merion_app.h"

#include "core/report/reporter.h"
#include "core/store/database_location.h"
#include "core/store/discarded_copy.h"
#include "core/store/instance_lock.h"
#include "core/store/project_store.h"
#include "gui/app/app_texts.h"
#include "gui/app/instance_channel.h"
#include "gui/app/main_frame.h"
#include "gui/app/program_icon.h"
#include "gui/app/recent_projects.h"
#include "gui/files/unsaved_lists.h"
#include "gui/link/serial_line.h"
#include "gui/shell/session.h"
#include "gui/toolkit/focus_return.h"
#include "gui/toolkit/message_box_reporter.h"
#include "gui/toolkit/screen_fit.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QWidget>

CMerionApp::CMerionApp(AppOptions options) : m_showWindow(options.showWindow)
{
    if (options.reporter)
        m_reporter = options.reporter;
    else
    {
        m_ownReporter = std::make_unique<CMessageBoxReporter>([this]() -> QWidget* { return m_frame.get(); });
        m_reporter = m_ownReporter.get();
    }
    const QString path = options.databasePath.isEmpty() ? DefaultDatabasePath() : options.databasePath;
    m_session = std::make_unique<CSession>(std::make_unique<CProjectStore>(path, m_reporter), *m_reporter,
                                           options.settings);
    m_line = std::make_unique<CSerialLine>(*m_reporter, options.streams);
}

CMerionApp::~CMerionApp()
{
    m_frame.reset();
}

CProjectStore& CMerionApp::Store() const
{
    return m_session->Store();
}

CPlxView* CMerionApp::View() const
{
    return m_frame ? m_frame->View() : nullptr;
}

CCommandActions& CMerionApp::Commands() const
{
    return m_frame->Commands();
}

bool CMerionApp::InitInstance()
{
    // The lock comes before the store: a refused copy must not so much as open the database
    // file, since closing it would drop the running copy's locks and let its journal be deleted.
    m_instanceLock = std::make_unique<CInstanceLock>(Store().DatabasePath());
    if (!m_instanceLock->TryLock())
    {
        m_instanceLock.reset();
        // The user is looking for the window that holds the project: it comes forward.
        CInstanceChannel::AskToComeForward(Store().DatabasePath());
        m_reporter->Message(AppTexts::AlreadyRunning, MessageIcon::Exclamation);
        return false;
    }

    Store().Connect();
    m_channel = std::make_unique<CInstanceChannel>();
    m_channel->Listen(Store().DatabasePath());
    connect(m_channel.get(), &CInstanceChannel::ComeForwardAsked, this, &CMerionApp::ComeForward);
    NoteRecentProject(m_session->Settings(), Store().DatabasePath());

    // Every window and dialog carries the program's icon.
    QApplication::setWindowIcon(ProgramIcon());
    m_focusReturn = std::make_unique<CFocusReturn>();
    m_frame = std::make_unique<CMainFrame>(*m_session, *m_line, m_transfers);
    m_frame->SetProjectOpener([this](const QString& path) { return SwitchProject(path); });
    // The first update shows the seven coordinate columns with no rows.
    m_session->UpdateViews();
    QSettings* settings = m_session->Settings();
    const bool restored = settings && m_frame->RestoreLayout(*settings);
    if (m_showWindow && restored)
    {
        m_frame->show(); // maximised again if the user left it so
        // Its frame is known now: all of the window stays on the screen.
        if (!m_frame->isMaximized())
            KeepWithinScreen(*m_frame);
    }
    else if (m_showWindow)
    {
        // Without a window manager (a kiosk or a remote session) maximising does nothing, so
        // the frame starts at the size of the screen's work area either way.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            m_frame->setGeometry(screen->availableGeometry());
        m_frame->showMaximized();
    }
    m_frame->setWindowTitle(AppTexts::WindowTitle(QFileInfo(Store().DatabasePath()).fileName()));
    m_started = true;
    return true;
}

void CMerionApp::ExitInstance()
{
    if (!m_started)
        return;
    m_started = false;
    CloseToolDialogs();
    m_channel.reset();
    if (QSettings* settings = m_session->Settings())
        m_frame->SaveLayout(*settings);
    m_frame.reset();
    CProjectStore& store = Store();
    EmptyScratchTables(store);
    store.Disconnect();
    m_instanceLock.reset();
}

void CMerionApp::CloseToolDialogs()
{
    // Tool dialogs go before the store closes and before the frame that owns them: their
    // workers must be done with the store, and a dialog must not outlive the view it refreshes.
    QList<QPointer<QWidget>> dialogs;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(window))
            dialogs << window;
    for (const QPointer<QWidget>& dialog : dialogs)
        delete dialog.data();
}

void CMerionApp::ComeForward()
{
    if (!m_frame)
        return;
    if (m_frame->isMinimized())
        m_frame->showNormal();
    m_frame->raise();
    m_frame->activateWindow();
}

bool CMerionApp::SwitchProject(const QString& databasePath)
{
    if (!m_started || databasePath.isEmpty())
        return false;
    const QString path = QFileInfo(databasePath).absoluteFilePath();
    if (QFileInfo(path) == QFileInfo(Store().DatabasePath()))
        return true;
    // The end of this project's run empties its lists: hand work is not emptied away unasked.
    if (!ConfirmEmptyingLists(*m_session, *m_frame, /*switching=*/true))
        return false;
    auto lock = std::make_unique<CInstanceLock>(path);
    if (!lock->TryLock())
    {
        CInstanceChannel::AskToComeForward(path);
        m_reporter->Message(AppTexts::ProjectInUse.Arg(QDir::toNativeSeparators(path)), MessageIcon::Exclamation);
        return false;
    }
    // A file that is no project (or one of another program) is refused before this one closes,
    // and before its windows and transfers do.
    {
        CProjectStore other(path, m_reporter);
        const bool opened = other.Connect();
        other.Disconnect();
        if (!opened)
            return false;
    }
    CloseToolDialogs();
    CProjectStore& store = Store();
    EmptyScratchTables(store);
    store.Disconnect();
    m_instanceLock = std::move(lock);
    m_session->ReopenStore(path);
    m_channel->Listen(path);
    NoteRecentProject(m_session->Settings(), path);
    return true;
}
