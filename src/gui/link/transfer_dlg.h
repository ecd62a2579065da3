#pragma once

#include <QDialog>
#include <QPointer>

class CSerialLine;
class CSession;
class CTransferProgressView;
class CTransferRunner;
class QStatusBar;
struct TransferChoices;

// What both transfer windows work with: the project, the one serial line, the choices kept from
// one window to the next, and the main window's status bar, which shows their progress too.
struct TransferContext
{
    CSession& session;
    CSerialLine& line;
    TransferChoices& choices;
    QStatusBar* statusBar;
};

// What the download and the upload window share: the transfer each runs on a worker of its own,
// and its progress. Closing the window tells a running transfer to end; the worker says goodbye
// to the instrument and closes its port on its own.
class CTransferDlg : public QDialog
{
    Q_OBJECT
public:
    CTransferDlg(const TransferContext& context, QWidget* parent);
    ~CTransferDlg() override;

    bool IsTransferRunning() const;

protected:
    // The runner for a new transfer, holding the port: nullptr (the user told why) while
    // another transfer holds it.
    CTransferRunner* ClaimRunner();

    CSession& m_session;
    CSerialLine& m_line;
    TransferChoices& m_choices;
    CTransferProgressView* m_progress = nullptr; // made by each window where its layout wants it
    QPointer<CTransferRunner> m_runner;
};
