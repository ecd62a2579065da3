#pragma once

#include "core/link/transfer.h"

#include <QDialog>
#include <QPointer>

class CSerialLine;
class CSession;
class CTransferProgressView;
class CTransferRunner;
class QComboBox;
class QPushButton;
class QStatusBar;
struct TransferChoices;

// "上传数据": picks the instrument and what to send, and runs the upload on a worker thread
// while the main window stays usable. The worker's progress and its one result come back as
// queued signals, so the window never waits for the instrument.
class CUploadDlg : public QDialog
{
    Q_OBJECT
public:
    CUploadDlg(CSession& session, CSerialLine& line, TransferChoices& choices, QStatusBar* statusBar);
    ~CUploadDlg() override;

    // Instrument positions of the list.
    static constexpr int T5 = 0;
    static constexpr int T8 = 1;
    static constexpr int T8V2 = 2;

    bool IsTransferRunning() const;

    // Cancel, Esc and the window's close box: a running transfer is told to end; its worker
    // sends EOT and closes the port within one poll.
    void reject() override;

private:
    void OnInstrumentChanged(int position);
    void OnCategoryChanged(int position);
    void OnUpload();
    void OnFinished(int category, const TransferResult& result);

    CSession& m_session;
    CSerialLine& m_line;
    TransferChoices& m_choices;
    QComboBox* m_instrument;
    QComboBox* m_category;
    QPushButton* m_upload;
    QPushButton* m_cancel;
    CTransferProgressView* m_progress;
    QPointer<CTransferRunner> m_runner;
};
