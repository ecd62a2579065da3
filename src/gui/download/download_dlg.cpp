#include "gui/download/download_dlg.h"

#include "core/download/download_texts.h"
#include "gui/download/download_dlg_texts.h"
#include "gui/files/content_blind_listing.h"
#include "gui/files/shown_list.h"
#include "core/download/v2_records.h"
#include "core/link/com_config.h"
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "gui/link/transfer_progress_view.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/link/serial_line.h"
#include "gui/link/transfer_choices.h"
#include "gui/link/transfer_runner.h"
#include "gui/toolkit/combo_width.h"
#include "gui/toolkit/remembered_folder.h"
#include "core/views/data_kind.h"
#include "words/result_words.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>

namespace
{
// The line broke off: what came, that the stored job was not replaced by a part of the new
// one, and where the bytes that came are kept.
QString HangUpMessage(const DownloadRequest& request, const TransferResult& result)
{
    QStringList lines{MessageOf(result).text};
    if (!request.raw)
        lines << DownloadDlgTexts::StoredJobKept.Text();
    if (!result.keptFile.isEmpty())
        lines << DownloadTexts::KeptIn.Arg(result.keptFile);
    return lines.join(QLatin1Char('\n'));
}
} // namespace

CDownloadDlg::CDownloadDlg(const TransferContext& context, QWidget* parent) : CTransferDlg(context, parent)
{
    setWindowTitle(DownloadDlgTexts::Title);
    m_instrumentList = new QComboBox(this);
    m_instrumentList->setObjectName(QStringLiteral("instrumentList"));
    m_instrumentList->addItems(DownloadDlgTexts::Instruments);
    m_instrumentList->addItem(DownloadDlgTexts::V2Instrument);
    m_downloadTypeList = new QComboBox(this);
    m_downloadTypeList->setObjectName(QStringLiteral("downloadTypeList"));
    m_downloadTypeList->setEnabled(false);
    ReserveWidthFor(m_downloadTypeList, ShownTexts(DownloadDlgTexts::V2DownloadTypes));
    m_parseButton = new QPushButton(DownloadDlgTexts::ParseButton, this);
    m_parseButton->setObjectName(QStringLiteral("parseButton"));
    m_rawButton = new QPushButton(DownloadDlgTexts::RawButton, this);
    m_rawButton->setObjectName(QStringLiteral("rawButton"));
    auto* cancel = new QPushButton(DownloadDlgTexts::CancelButton, this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    m_parseButton->setAutoDefault(false);
    m_rawButton->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(DownloadDlgTexts::InstrumentLabel, this), 0, 0);
    layout->addWidget(m_instrumentList, 0, 1);
    layout->addWidget(new QLabel(DownloadDlgTexts::DownloadTypeLabel, this), 1, 0);
    layout->addWidget(m_downloadTypeList, 1, 1);
    layout->addWidget(m_parseButton, 0, 2);
    layout->addWidget(m_rawButton, 1, 2);
    layout->addWidget(cancel, 2, 2);
    layout->addWidget(new QLabel(DownloadDlgTexts::Note, this), 3, 0, 1, 3);
    m_progress = new CTransferProgressView(context.statusBar, this);
    layout->addWidget(m_progress, 4, 0, 1, 3);

    connect(m_instrumentList, &QComboBox::currentIndexChanged, this, &CDownloadDlg::OnInstrumentChanged);
    connect(m_downloadTypeList, &QComboBox::currentIndexChanged, this, &CDownloadDlg::OnDownloadTypeChanged);
    connect(m_parseButton, &QPushButton::clicked, this, &CDownloadDlg::StartParseDownload);
    connect(m_rawButton, &QPushButton::clicked, this, &CDownloadDlg::StartRawDownload);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_choices.downloadDialog = this;
}

void CDownloadDlg::OnInstrumentChanged(int position)
{
    m_instrument = position;
    const bool versionTwo = position == V2InstrumentPosition;
    {
        const QSignalBlocker refilling(m_downloadTypeList);
        m_downloadTypeList->clear();
        if (versionTwo)
            m_downloadTypeList->addItems(ShownTexts(DownloadDlgTexts::V2DownloadTypes));
    }
    m_downloadTypeList->setEnabled(versionTwo);
    if (versionTwo)
    {
        // The type the list shows is the type a download parses.
        OnDownloadTypeChanged(0);
        return;
    }
    m_session.UpdateViews();
}

void CDownloadDlg::OnDownloadTypeChanged(int position)
{
    const std::optional<V2Record> record = V2RecordAt(position);
    if (!record)
        return;
    m_choices.downloadType = position;
    m_session.SetCurrentKind(KindOfV2Record(*record));
    m_session.UpdateViews();
}

void CDownloadDlg::StartParseDownload()
{
    // T5/T5+ and T8 send measurement jobs; the version 2 entry sends the record kind its list
    // shows, whatever the list view was switched to meanwhile. The stored job stays until a new
    // one has arrived whole.
    Start(false);
}

void CDownloadDlg::StartRawDownload()
{
    Start(true);
}

void CDownloadDlg::Start(bool raw)
{
    // One transfer at a time on the one port: a refusal changes nothing.
    CTransferRunner* runner = ClaimRunner();
    if (!runner)
        return;
    if (!raw)
    {
        if (m_instrument == V2InstrumentPosition)
            m_session.SetCurrentKind(KindOfV2Record(V2RecordAt(m_choices.downloadType).value_or(V2Record::Meas)));
        else
            m_session.SetCurrentKind(DataKind::Meas);
        // The list shows the stored job of that kind until a new one has arrived whole.
        m_session.UpdateViews();
    }
    EnableTransfers(false);
    DownloadRequest request;
    request.dataKind = m_session.CurrentKind();
    request.downloadType = m_choices.downloadType;
    request.raw = raw;
    request.instrument = m_instrument == V2InstrumentPosition ? QStringLiteral("v2")
                                                              : (m_instrument == 1 ? QStringLiteral("t8") : QStringLiteral("t5"));
    request.config = ReadComConfig(m_session.Store()).value;
    request.keepBeside = m_session.Store().DatabasePath();
    m_progress->Follow(runner, 0);
    // The received bytes are kept and the rows stored whether or not this window is still
    // open when the transfer ends, so the result goes to the application first.
    connect(runner, &CTransferRunner::Finished, &m_session,
            [&session = m_session, dialog = QPointer<CDownloadDlg>(this), request](const TransferResult& result) {
                const TransferResult finished = FinishDownload(session.Store(), request, result);
                if (dialog)
                    dialog->OnTransferFinished(request, finished);
                // With the window closed meanwhile, the list still shows what is stored now.
                else if (!request.raw && session.CurrentKind() == request.dataKind)
                    session.UpdateViews();
            });
    runner->Start([request](IByteStream& stream, const std::atomic<bool>& stop, const ProgressSink& progress) {
        return ReceiveDownload(stream, request, stop, progress);
    });
}

void CDownloadDlg::OnTransferFinished(const DownloadRequest& request, const TransferResult& result)
{
    m_progress->End();
    if (request.raw && result.status == Status::Done)
    {
        FinishRawDownload(result);
        return;
    }
    if (result.status == Status::HungUp)
        m_session.Reporter().Message(HangUpMessage(request, result), MessageOf(result).icon);
    else
        ReportTransferResult(m_session.Reporter(), result);
    if (result.status != Status::Done)
    {
        EnableTransfers(true);
        // The stored rows are still there: show them again if the list still shows their kind.
        if (!request.raw && m_session.CurrentKind() == request.dataKind)
            m_session.ShowTable(request.dataKind);
        return;
    }
    CSession& session = m_session;
    close();
    if (!result.received.isEmpty())
        session.ShowTable(request.dataKind);
}

void CDownloadDlg::FinishRawDownload(const TransferResult& result)
{
    EnableTransfers(true);
    QFileDialog chooser(this);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setNameFilter(DownloadDlgTexts::RawFileFilter);
    UseContentBlindListing(&chooser);
    if (ExecInRememberedFolder(chooser, m_session.Settings(), FolderPurpose::RawDownload) != QDialog::Accepted ||
        chooser.selectedFiles().isEmpty() || !AcceptChosenFile(m_session, chooser.selectedFiles().first()))
    {
        // Nothing is lost: the bytes are in downloads/ already; say where.
        if (!result.keptFile.isEmpty())
            m_session.Reporter().Message(DownloadTexts::KeptIn.Arg(result.keptFile), MessageIcon::Information);
        else
        {
            TransferResult unchosen = result;
            unchosen.status = Status::NoFileChosen;
            ReportTransferResult(m_session.Reporter(), unchosen);
        }
        return;
    }
    if (const Outcome saved = SaveRawDownload(chooser.selectedFiles().first(), result.received); !saved.Succeeded())
    {
        TransferResult failed = result;
        failed.status = saved.status;
        ReportTransferResult(m_session.Reporter(), failed);
    }
}

void CDownloadDlg::EnableTransfers(bool enabled)
{
    m_parseButton->setEnabled(enabled);
    m_rawButton->setEnabled(enabled);
}
