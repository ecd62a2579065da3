#include "gui/app/merion_app.h"

#include "core/report/reporter.h"
#include "core/store/database_location.h"
#include "core/store/discarded_copy.h"
#include "core/store/instance_lock.h"
#include "core/store/project_store.h"
#include "gui/app/app_texts.h"
#include "gui/app/main_frame.h"
#include "gui/link/serial_line.h"
#include "gui/shell/session.h"
#include "gui/toolkit/message_box_reporter.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
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
        m_reporter->Message(AppTexts::AlreadyRunning, MessageIcon::Exclamation);
        return false;
    }

    Store().Connect();

    m_frame = std::make_unique<CMainFrame>(*m_session, *m_line, m_transfers);
    // The first update shows the seven coordinate columns with no rows.
    m_session->UpdateViews();
    QSettings* settings = m_session->Settings();
    const bool restored = settings && m_frame->RestoreLayout(*settings);
    if (m_showWindow && restored)
        m_frame->show(); // maximised again if the user left it so
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
    // Tool dialogs go first, before the frame that owns them: their workers must be done with
    // the store before it closes, and a dialog must not outlive the view it refreshes.
    QList<QPointer<QWidget>> dialogs;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(window))
            dialogs << window;
    for (const QPointer<QWidget>& dialog : dialogs)
        delete dialog.data();
    if (QSettings* settings = m_session->Settings())
        m_frame->SaveLayout(*settings);
    m_frame.reset();
    CProjectStore& store = Store();
    EmptyScratchTables(store);
    store.Disconnect();
    m_instanceLock.reset();
}
