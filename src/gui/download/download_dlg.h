#pragma once

#include "core/download/download_job.h"

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

// The download dialog: the instrument, and the two ways to take a job from it. The transfer
// runs on a worker of its own; whatever it shows or changes in the windows and the project
// happens here, on the user-interface thread, once it has finished.
class CDownloadDlg : public QDialog
{
    Q_OBJECT
public:
    CDownloadDlg(CSession& session, CSerialLine& line, TransferChoices& choices, QStatusBar* statusBar,
                 QWidget* parent = nullptr);
    ~CDownloadDlg() override;

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

    CSession& m_session;
    CSerialLine& m_line;
    TransferChoices& m_choices;
    QPushButton* m_parseButton;
    QPushButton* m_rawButton;
    QComboBox* m_instrumentList;
    QComboBox* m_downloadTypeList;
    int m_instrument = 0;
    CTransferProgressView* m_progress;
    QPointer<CTransferRunner> m_runner;
};
