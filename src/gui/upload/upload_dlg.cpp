#include "gui/upload/upload_dlg.h"

#include "gui/link/serial_line.h"
#include "gui/link/transfer_choices.h"
#include "gui/shell/session.h"
#include "core/link/com_config.h"
#include "core/store/hand_edits.h"
#include "core/store/project_store.h"
#include "gui/toolkit/combo_width.h"
#include "gui/toolkit/dialog_parts.h"
#include "core/upload/upload_lines.h"
#include "gui/link/transfer_progress_view.h"
#include "gui/shell/result_report.h"
#include "gui/link/transfer_runner.h"
#include "gui/upload/upload_dlg_texts.h"
#include "core/upload/upload_transfer.h"
#include "core/views/data_kind.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

CUploadDlg::CUploadDlg(const TransferContext& context)
    : CTransferDlg(context, nullptr), m_instrument(new QComboBox(this)), m_category(new QComboBox(this)),
      m_upload(new QPushButton(UploadDlgTexts::UploadButton, this)),
      m_cancel(new QPushButton(UploadDlgTexts::CancelButton, this))
{
    m_progress = new CTransferProgressView(context.statusBar, this);
    setWindowTitle(UploadDlgTexts::DialogTitle);
    m_instrument->setObjectName(QStringLiteral("instrumentList"));
    m_category->setObjectName(QStringLiteral("categoryList"));
    ReserveWidthFor(m_category, {UploadDlgTexts::CoordinateCategory, UploadDlgTexts::AlignmentCategory});
    m_upload->setObjectName(QStringLiteral("uploadButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_upload->setAutoDefault(false);
    m_cancel->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(UploadDlgTexts::InstrumentLabel, this), 0, 0);
    layout->addWidget(m_instrument, 0, 1);
    layout->addWidget(new QLabel(UploadDlgTexts::CategoryLabel, this), 1, 0);
    layout->addWidget(m_category, 1, 1);
    QHBoxLayout* buttons = ButtonRow({m_upload, m_cancel});
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->addWidget(m_progress, 3, 0, 1, 2);

    m_instrument->addItems(UploadDlgTexts::Instruments);
    m_category->addItem(UploadDlgTexts::CoordinateCategory);
    m_instrument->setCurrentIndex(T5);
    m_category->setCurrentIndex(UploadCategory::Coordinates);
    // What the dialog shows is what gets sent: a new dialog starts at coordinates.
    m_choices.uploadInstrument = T5;
    m_choices.uploadCategory = UploadCategory::Coordinates;
    m_choices.uploadDialog = this;

    connect(m_instrument, &QComboBox::currentIndexChanged, this, &CUploadDlg::OnInstrumentChanged);
    connect(m_category, &QComboBox::currentIndexChanged, this, &CUploadDlg::OnCategoryChanged);
    connect(m_upload, &QPushButton::clicked, this, &CUploadDlg::OnUpload);
    connect(m_cancel, &QPushButton::clicked, this, &CUploadDlg::reject);
}

void CUploadDlg::OnInstrumentChanged(int position)
{
    if (position < 0)
        return;
    m_choices.uploadInstrument = position;
    const bool wasAlignment = m_category->currentIndex() == UploadCategory::Alignment;
    {
        const QSignalBlocker blocker(m_category);
        m_category->clear();
        m_category->addItem(UploadDlgTexts::CoordinateCategory);
        if (position == T8V2)
            m_category->addItem(UploadDlgTexts::AlignmentCategory);
        m_category->setCurrentIndex(UploadCategory::Coordinates);
    }
    // The list falls back to coordinates with the category, so that the list, the category shown
    // and what the Upload button sends never disagree.
    if (wasAlignment)
        OnCategoryChanged(UploadCategory::Coordinates);
}

void CUploadDlg::OnCategoryChanged(int position)
{
    if (position < 0)
        return;
    m_choices.uploadCategory = position;
    m_session.ShowTable(position == UploadCategory::Alignment ? DataKind::Alignment : DataKind::Coor);
}

void CUploadDlg::OnUpload()
{
    if (IsTransferRunning())
        return;

    UploadRequest request;
    request.kind = m_instrument->currentIndex() == T8V2 ? DataKind::UploadV2 : DataKind::UploadT5;
    request.category = m_category->currentIndex();

    // The rows are read here, on the thread that owns the store's main connection; a row that
    // cannot be sent is reported before the port is touched.
    const UploadLines lines = BuildUploadLines(m_session.Store(), request.kind, request.category);
    if (!lines.outcome.Succeeded())
    {
        ReportTransferResult(m_session.Reporter(), RefusedUpload(lines.outcome));
        return;
    }
    CTransferRunner* runner = ClaimRunner();
    if (!runner)
        return;
    m_session.SetCurrentKind(request.kind);
    m_choices.uploadCategory = request.category;
    request.config = ReadComConfig(m_session.Store()).value;

    m_upload->setEnabled(false);
    m_progress->Follow(runner, int(lines.lines.size()));
    connect(runner, &CTransferRunner::Finished, this, [this, category = request.category](const TransferResult& result) {
        OnFinished(category, result);
    });
    runner->Start([request, rows = lines.lines](IByteStream& stream, const std::atomic<bool>& stop,
                                                 const ProgressSink& progress) {
        return SendUpload(stream, request, rows, stop, progress);
    });
}

void CUploadDlg::reject()
{
    if (m_runner)
        m_runner->Cancel();
    QDialog::reject();
}

void CUploadDlg::OnFinished(int category, const TransferResult& result)
{
    m_progress->End();
    ReportTransferResult(m_session.Reporter(), result);
    // The instrument holds the whole list now.
    if (result.status == Status::Done)
        HandEdits::MarkSaved(m_session.Store(), UploadedTableOf(category));
    if (result.status != Status::Cancelled)
        m_upload->setEnabled(true);
}
