#include "gui/app/merion_app.h"

#include "gui/app/app_texts.h"
#include "gui/app/main_frame.h"
#include "core/link/link_texts.h"
#include "core/report/reporter.h"
#include "core/store/database_location.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/transaction.h"
#include "gui/toolkit/message_box_reporter.h"
#include "core/views/data_kind.h"
#include "gui/views/plx_doc.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QWidget>

CMerionApp::CMerionApp(AppOptions options)
    : m_streams(options.streams), m_showWindow(options.showWindow), m_settings(options.settings),
      m_currentKind(DataKind::Coor)
{
    if (options.reporter)
        m_reporter = options.reporter;
    else
    {
        m_ownReporter = std::make_unique<CMessageBoxReporter>([this]() -> QWidget* { return m_frame.get(); });
        m_reporter = m_ownReporter.get();
    }
    const QString path = options.databasePath.isEmpty() ? DefaultDatabasePath() : options.databasePath;
    m_store = std::make_unique<CProjectStore>(path, m_reporter);
}

CMerionApp::~CMerionApp()
{
    m_frame.reset();
    m_document.reset();
}

CPlxView* CMerionApp::View() const
{
    return m_frame ? m_frame->View() : nullptr;
}

bool CMerionApp::InitInstance()
{
    // A lock file beside the database keeps a second copy off the same project; a lock left
    // by a crashed run names a process that no longer lives and does not block. The lock comes
    // before the store: a refused copy must not so much as open the database file, since
    // closing it would drop the running copy's locks and let its journal be deleted.
    m_instanceLock = std::make_unique<QLockFile>(m_store->DatabasePath() + QStringLiteral(".lock"));
    m_instanceLock->setStaleLockTime(0);
    // Only a lock held by a living copy refuses the start; a folder where no lock can be made
    // (a read-only one) does not keep the surveyor from the window.
    if (!m_instanceLock->tryLock(0) && m_instanceLock->error() == QLockFile::LockFailedError)
    {
        m_instanceLock.reset();
        m_reporter->Message(AppTexts::AlreadyRunning, MessageIcon::Exclamation);
        return false;
    }

    m_store->Connect();

    m_document = std::make_unique<CPlxDoc>();
    m_frame = std::make_unique<CMainFrame>(*this);
    // The first update shows the seven coordinate columns with no rows.
    m_document->UpdateAllViews();
    const bool restored = m_settings && m_frame->RestoreLayout(*m_settings);
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
    m_frame->setWindowTitle(AppTexts::Title);
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
    if (m_settings)
        m_frame->SaveLayout(*m_settings);
    m_frame.reset();
    // A project opened for reading keeps its lists as they are; otherwise the scratch tables
    // are emptied together, so a full disk is told once and leaves them all as they were.
    if (m_store->ReadOnlyReason().isEmpty())
    {
        CTransaction clearing(*m_store);
        bool cleared = clearing.IsActive();
        for (const QString& table : Schema::ScratchTables())
            cleared = cleared && m_store->ExecuteSql(QStringLiteral("delete from ") + table);
        if (cleared)
            clearing.Commit();
    }
    m_store->Disconnect();
    m_instanceLock.reset();
}

bool CMerionApp::ClaimSerialPort(QObject* transfer)
{
    if (m_portHolder && m_portHolder != transfer)
    {
        m_reporter->Message(LinkTexts::PortBusy, MessageIcon::Exclamation);
        return false;
    }
    m_portHolder = transfer;
    return true;
}

