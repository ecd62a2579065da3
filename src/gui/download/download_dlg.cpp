#include "gui/download/download_dlg.h"

#include "gui/app/merion_app.h"
#include "core/download/download_texts.h"
#include "gui/download/download_thread.h"
#include "gui/files/content_blind_listing.h"
#include "core/download/v2_records.h"
#include "core/link/serial_port.h"
#include "core/report/reporter.h"
#include "gui/toolkit/combo_width.h"
#include "core/views/data_kind.h"
#include "gui/views/plx_doc.h"
#include "gui/views/plx_view.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

CDownloadDlg::CDownloadDlg(CMerionApp& app, QWidget* parent)
    : QDialog(parent), m_app(app)
{
    setWindowTitle(DownloadTexts::Title);
    m_instrumentList = new QComboBox(this);
    m_instrumentList->setObjectName(QStringLiteral("instrumentList"));
    m_instrumentList->addItems(DownloadTexts::Instruments);
    m_instrumentList->addItem(DownloadTexts::V2Instrument);
    m_downloadTypeList = new QComboBox(this);
    m_downloadTypeList->setObjectName(QStringLiteral("downloadTypeList"));
    m_downloadTypeList->setEnabled(false);
    ReserveWidthFor(m_downloadTypeList, DownloadTexts::V2DownloadTypes);
    m_parseButton = new QPushButton(DownloadTexts::ParseButton, this);
    m_parseButton->setObjectName(QStringLiteral("parseButton"));
    m_rawButton = new QPushButton(DownloadTexts::RawButton, this);
    m_rawButton->setObjectName(QStringLiteral("rawButton"));
    auto* cancel = new QPushButton(DownloadTexts::CancelButton, this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    m_parseButton->setAutoDefault(false);
    m_rawButton->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(DownloadTexts::InstrumentLabel, this), 0, 0);
    layout->addWidget(m_instrumentList, 0, 1);
    layout->addWidget(new QLabel(DownloadTexts::DownloadTypeLabel, this), 1, 0);
    layout->addWidget(m_downloadTypeList, 1, 1);
    layout->addWidget(m_parseButton, 0, 2);
    layout->addWidget(m_rawButton, 1, 2);
    layout->addWidget(cancel, 2, 2);
    layout->addWidget(new QLabel(DownloadTexts::Note, this), 3, 0, 1, 3);

    connect(m_instrumentList, &QComboBox::currentIndexChanged, this, &CDownloadDlg::OnInstrumentChanged);
    connect(m_downloadTypeList, &QComboBox::currentIndexChanged, this, &CDownloadDlg::OnDownloadTypeChanged);
    connect(m_parseButton, &QPushButton::clicked, this, &CDownloadDlg::StartParseDownload);
    connect(m_rawButton, &QPushButton::clicked, this, &CDownloadDlg::StartRawDownload);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_app.SetDownloadDialog(this);
}

CDownloadDlg::~CDownloadDlg()
{
    // Every transfer purges and closes the port when it ends, a stopped one too. The port is the
    // application's, so a dialog without a transfer leaves it alone (an upload may use it).
    if (!m_thread)
        return;
    m_thread->RequestStop();
    // The worker may be waiting for a message box of the user-interface thread (a row the
    // database refused): serve those while waiting, or neither side would go on.
    while (!m_thread->wait(20))
        QCoreApplication::sendPostedEvents(qApp, QEvent::MetaCall);
}

void CDownloadDlg::OnInstrumentChanged(int position)
{
    m_instrument = position;
    const bool versionTwo = position == V2InstrumentPosition;
    {
        const QSignalBlocker refilling(m_downloadTypeList);
        m_downloadTypeList->clear();
        if (versionTwo)
            m_downloadTypeList->addItems(DownloadTexts::V2DownloadTypes);
    }
    m_downloadTypeList->setEnabled(versionTwo);
    if (versionTwo)
    {
        // The type the list shows is the type a download parses.
        OnDownloadTypeChanged(0);
        return;
    }
    m_app.Document().UpdateAllViews();
}

void CDownloadDlg::OnDownloadTypeChanged(int position)
{
    const std::optional<V2Record> record = V2RecordAt(position);
    if (!record)
        return;
    m_app.SetDownloadTypeIndex(position);
    m_app.SetCurrentKind(KindOfV2Record(*record));
    m_app.Document().UpdateAllViews();
}

void CDownloadDlg::StartParseDownload()
{
    if (!m_app.ClaimSerialPort(this))
        return;
    // T5/T5+ and T8 send measurement jobs; the version 2 entry sends the record kind its list
    // shows, whatever the list view was switched to meanwhile.
    if (m_instrument == V2InstrumentPosition)
        m_app.SetCurrentKind(KindOfV2Record(V2RecordAt(m_app.DownloadTypeIndex()).value_or(V2Record::Meas)));
    else
        m_app.SetCurrentKind(DataKind::Meas);
    PrepareParseDownload(m_app.Store(), m_app.CurrentKind());
    if (CPlxView* view = m_app.View())
        view->ClearRows();
    Start(false);
}

void CDownloadDlg::StartRawDownload()
{
    if (!m_app.ClaimSerialPort(this))
        return;
    Start(true);
}

void CDownloadDlg::Start(bool raw)
{
    // One transfer at a time on the one port.
    EnableTransfers(false);
    DownloadRequest request;
    request.dataKind = m_app.CurrentKind();
    request.downloadType = m_app.DownloadTypeIndex();
    request.raw = raw;
    m_thread = new CDownloadThread(m_app.Store(), m_app.SerialPort(), request, this);
    connect(m_thread, &QThread::finished, this, &CDownloadDlg::OnTransferFinished);
    m_thread->start(raw ? QThread::NormalPriority : QThread::TimeCriticalPriority);
}

void CDownloadDlg::OnTransferFinished()
{
    CDownloadThread* thread = std::exchange(m_thread, nullptr);
    if (!thread)
        return;
    m_app.ReleaseSerialPort(this);
    thread->deleteLater();
    const DownloadRequest& request = thread->Request();
    const DownloadOutcome& outcome = thread->Outcome();
    switch (outcome.status)
    {
    case DownloadStatus::PortNotOpened:
        m_app.Reporter().Message(outcome.message, MessageIcon::Exclamation);
        EnableTransfers(true);
        return;
    case DownloadStatus::TimedOut:
        m_app.Reporter().Message(outcome.message, MessageIcon::None);
        EnableTransfers(true);
        return;
    case DownloadStatus::Stopped: EnableTransfers(true); return;
    case DownloadStatus::Received: break;
    }
    if (request.raw)
    {
        FinishRawDownload(outcome.received);
        return;
    }
    CPlxView* view = m_app.View();
    close();
    if (view && !outcome.received.isEmpty())
        view->ShowTable(request.dataKind);
}

void CDownloadDlg::FinishRawDownload(const QByteArray& received)
{
    EnableTransfers(true);
    QFileDialog chooser(nullptr);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setNameFilter(DownloadTexts::RawFileFilter);
    UseContentBlindListing(&chooser);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
    {
        m_app.Reporter().Message(DownloadTexts::NoFileChosen, MessageIcon::Exclamation);
        return;
    }
    if (!SaveRawDownload(chooser.selectedFiles().first(), received))
        m_app.Reporter().Message(DownloadTexts::OpenFileFailed, MessageIcon::Exclamation);
}

void CDownloadDlg::EnableTransfers(bool enabled)
{
    m_parseButton->setEnabled(enabled);
    m_rawButton->setEnabled(enabled);
}
