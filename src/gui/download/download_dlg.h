#pragma once

#include "core/download/download_job.h"
#include "gui/link/transfer_dlg.h"

class QComboBox;
class QPushButton;

// The download dialog: the instrument, and the two ways to take a job from it. The transfer
// runs on a worker of its own; whatever it shows or changes in the windows and the project
// happens here, on the user-interface thread, once it has finished.
class CDownloadDlg : public CTransferDlg
{
    Q_OBJECT
public:
    explicit CDownloadDlg(const TransferContext& context, QWidget* parent = nullptr);

    void StartParseDownload();
    void StartRawDownload();

private:
    // Positions 0 and 1 are T5/T5+ and T8; position 2 the T8 with its version 2 records.
    static constexpr int V2InstrumentPosition = 2;

    void OnInstrumentChanged(int position);
    void OnDownloadTypeChanged(int position);
    void Start(bool raw);
    void OnTransferFinished(const DownloadRequest& request, const TransferResult& result);
    void FinishRawDownload(const TransferResult& result);
    void EnableTransfers(bool enabled);

    QPushButton* m_parseButton;
    QPushButton* m_rawButton;
    QComboBox* m_instrumentList;
    QComboBox* m_downloadTypeList;
    int m_instrument = 0;
};
