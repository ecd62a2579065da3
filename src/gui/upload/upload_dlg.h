#pragma once

#include "core/link/transfer.h"
#include "gui/link/transfer_dlg.h"

class QComboBox;
class QPushButton;

// "上传数据": picks the instrument and what to send, and runs the upload on a worker thread
// while the main window stays usable. The worker's progress and its one result come back as
// queued signals, so the window never waits for the instrument.
class CUploadDlg : public CTransferDlg
{
    Q_OBJECT
public:
    explicit CUploadDlg(const TransferContext& context);

    // Instrument positions of the list.
    static constexpr int T5 = 0;
    static constexpr int T8 = 1;
    static constexpr int T8V2 = 2;

    // Cancel, Esc and the window's close box: a running transfer is told to end; its worker
    // sends EOT and closes the port within one poll.
    void reject() override;

private:
    void OnInstrumentChanged(int position);
    void OnCategoryChanged(int position);
    void OnUpload();
    void OnFinished(int category, const TransferResult& result);

    QComboBox* m_instrument;
    QComboBox* m_category;
    QPushButton* m_upload;
    QPushButton* m_cancel;
};
