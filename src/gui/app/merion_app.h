#pragma once

#include "core/link/byte_stream.h"
#include "gui/link/transfer_choices.h"

#include <QObject>
#include <QString>

#include <memory>

class CCommandActions;
class CFocusReturn;
class CInstanceChannel;
class CInstanceLock;
class CMainFrame;
class CPlxView;
class CProjectStore;
class CSerialLine;
class CSession;
class IReporter;
class QSettings;

struct AppOptions
{
    QString databasePath;          // empty: the default location
    IReporter* reporter = nullptr; // nullptr: message boxes
    bool showWindow = true;
    QSettings* settings = nullptr; // where the window layout and the last folders are kept; nullptr: nowhere
    StreamFactory streams = {};    // empty: the serial port
};

// The application object: starts and ends the run. It makes the session (the store, the data
// kind, the selection), the serial line and the main frame, which hands each window what it
// uses; nothing else reaches the application object.
class CMerionApp : public QObject
{
    Q_OBJECT
public:
    explicit CMerionApp(AppOptions options);
    ~CMerionApp() override;

    // Start-up: connect the store, refuse a second copy, build and show the main window.
    // False when the program must not run; a refused start leaves the store untouched.
    bool InitInstance();
    // End of the run: empty the scratch tables (hand-kept lists copied to discarded/ first)
    // and close the store.
    void ExitInstance();

    // Another project database in place of this one, without a restart: the hand work of this
    // one is protected as at the end of a run (export it, switch anyway, or stay), the tool
    // dialogs close, this project's scratch tables are emptied and its store closed, and
    // every window shows the other. False when the program stayed with its project: the user
    // chose to, another copy runs on the other one, or it cannot be opened (told).
    bool SwitchProject(const QString& databasePath);

    CSession& Session() const { return *m_session; }
    CProjectStore& Store() const;
    IReporter& Reporter() const { return *m_reporter; }
    CSerialLine& SerialLine() const { return *m_line; }
    TransferChoices& Transfers() { return m_transfers; }
    CMainFrame* MainFrame() const { return m_frame.get(); }
    // The frame's list and commands; nullptr and undefined before a successful start.
    CPlxView* View() const;
    CCommandActions& Commands() const;

private:
    void CloseToolDialogs();
    void ComeForward();

    std::unique_ptr<IReporter> m_ownReporter;
    IReporter* m_reporter;
    std::unique_ptr<CSession> m_session;
    std::unique_ptr<CSerialLine> m_line;
    TransferChoices m_transfers;
    std::unique_ptr<CInstanceLock> m_instanceLock;
    std::unique_ptr<CFocusReturn> m_focusReturn;
    std::unique_ptr<CInstanceChannel> m_channel;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_started = false;
    bool m_showWindow;
};
