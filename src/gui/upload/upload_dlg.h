#pragma once

#include <QDialog>

#include <atomic>

class CMerionApp;
class CSerialPort;
class CUploadSignals;
class QComboBox;
class QPushButton;
class QThread;

// "上传数据": picks the instrument and what to send, and runs the upload on a worker thread
// while the main window stays usable. The worker's messages and its end come back as queued
// signals, so the window never waits for the instrument.
class CUploadDlg : public QDialog
{
    Q_OBJECT
public:
    CUploadDlg(CMerionApp& app, CSerialPort& port);
    ~CUploadDlg() override;

    // Instrument positions of the list.
    static constexpr int T5 = 0;
    static constexpr int T8 = 1;
    static constexpr int T8V2 = 2;

    bool IsTransferRunning() const;

    // Cancel, Esc and the window's close box: a running transfer is told to end (EOT) at once.
    void reject() override;

private:
    void OnInstrumentChanged(int position);
    void OnCategoryChanged(int position);
    void OnUpload();
    void OnFinished(int outcome);
    void StopTransfer();

    CMerionApp& m_app;
    CSerialPort& m_port;
    QComboBox* m_instrument;
    QComboBox* m_category;
    QPushButton* m_upload;
    QPushButton* m_cancel;
    CUploadSignals* m_signals;
    QThread* m_worker = nullptr;
    // Outlives the worker: the dialog waits for it before it goes.
    std::atomic<bool> m_stop{false};
};
