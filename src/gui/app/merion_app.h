#pragma once

#include "core/link/byte_stream.h"
#include "core/views/data_kind.h"
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class CMainFrame;
class CPlxDoc;
class CPlxView;
class CProjectStore;
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

// The application object: the one holder of what the windows share (the project store, the
// current data kind, the download type and upload selections, the main frame and the list
// view). Workers never read these: they get copies when they start.
class CMerionApp : public QObject
{
    Q_OBJECT
public:
    explicit CMerionApp(AppOptions options);
    ~CMerionApp() override;

    // Start-up: connect the store, refuse a second copy, build and show the main window.
    // False when the program must not run; a refused start leaves the store untouched.
    bool InitInstance();
    // End of the run: empty the scratch tables and close the store.
    void ExitInstance();

    CProjectStore& Store() { return *m_store; }
    IReporter& Reporter() { return *m_reporter; }
    // The user's remembered layout and folders; nullptr when this run remembers nothing.
    QSettings* Settings() const { return m_settings; }
    CPlxDoc& Document() { return *m_document; }
    // The serial port carries one transfer at a time, whichever dialog starts it: a claim while
    // another transfer holds the port tells the user and gives false. A claim ends when the
    // claiming transfer is destroyed (its worker has closed the port by then).
    bool ClaimSerialPort(QObject* transfer);
    const StreamFactory& Streams() const { return m_streams; }
    CMainFrame* MainFrame() const { return m_frame.get(); }
    CPlxView* View() const;

    DataKind CurrentKind() const { return m_currentKind; }
    void SetCurrentKind(DataKind kind) { m_currentKind = kind; }
    int DownloadTypeIndex() const { return m_downloadTypeIndex; }
    void SetDownloadTypeIndex(int index) { m_downloadTypeIndex = index; }
    int UploadInstrument() const { return m_uploadInstrument; }
    void SetUploadInstrument(int index) { m_uploadInstrument = index; }
    int UploadCategory() const { return m_uploadCategory; }
    void SetUploadCategory(int index) { m_uploadCategory = index; }

    QWidget* DownloadDialog() const { return m_downloadDialog; }
    void SetDownloadDialog(QWidget* dialog) { m_downloadDialog = dialog; }
    QWidget* UploadDialog() const { return m_uploadDialog; }
    void SetUploadDialog(QWidget* dialog) { m_uploadDialog = dialog; }

private:
    std::unique_ptr<IReporter> m_ownReporter;
    IReporter* m_reporter;
    std::unique_ptr<CProjectStore> m_store;
    QPointer<QObject> m_portHolder;
    StreamFactory m_streams;
    std::unique_ptr<QLockFile> m_instanceLock;
    std::unique_ptr<CPlxDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_started = false;
    bool m_showWindow;
    QSettings* m_settings;

    DataKind m_currentKind;
    int m_downloadTypeIndex = 0;
    int m_uploadInstrument = 0;
    int m_uploadCategory = 0;
    QPointer<QWidget> m_downloadDialog;
    QPointer<QWidget> m_uploadDialog;
};
