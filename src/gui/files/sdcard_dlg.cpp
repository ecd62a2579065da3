#include "gui/files/sdcard_dlg.h"

#include "gui/shell/result_report.h"
#include "core/files/files_texts.h"
#include "gui/files/file_dialog_texts.h"
#include "core/files/sdcard_files.h"
#include "core/store/hand_edits.h"
#include "gui/files/content_blind_listing.h"
#include "core/report/reporter.h"
#include "core/views/data_kind.h"
#include "gui/toolkit/remembered_folder.h"
#include "gui/toolkit/dialog_parts.h"
#include "gui/shell/session.h"
#include "core/store/project_store.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CSdCardDlg::CSdCardDlg(CSession& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_rememberedFolder(RememberedFolder(session.Settings(), FolderPurpose::SdCard))
{
    setWindowTitle(FileDialogTexts::SdCardTitle);

    m_instrument = new QComboBox(this);
    m_instrument->setObjectName(QStringLiteral("instrument"));
    m_instrument->addItems(FileDialogTexts::Instruments);
    m_folderPath = new QLineEdit(this);
    m_folderPath->setObjectName(QStringLiteral("folderPath"));
    // The card is usually written where it was written last time.
    m_folderPath->setText(m_rememberedFolder);
    auto* browse = new QPushButton(FileDialogTexts::Browse, this);
    browse->setObjectName(QStringLiteral("browse"));
    m_folderName = new QLineEdit(this);
    m_folderName->setObjectName(QStringLiteral("folderName"));
    m_job = new QComboBox(this);
    m_job->setObjectName(QStringLiteral("job"));
    for (int index = 0; index < SdCard::JobCount; ++index)
        m_job->addItem(SdCardJobName(index));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(FileDialogTexts::InstrumentLabel, this), 0, 0);
    grid->addWidget(m_instrument, 0, 1, 1, 2);
    grid->addWidget(new QLabel(FileDialogTexts::FolderPathLabel, this), 1, 0);
    grid->addWidget(m_folderPath, 1, 1);
    grid->addWidget(browse, 1, 2);
    grid->addWidget(new QLabel(FileDialogTexts::FolderNameLabel, this), 2, 0);
    grid->addWidget(m_folderName, 2, 1, 1, 2);
    grid->addWidget(new QLabel(FileDialogTexts::FileNameLabel, this), 3, 0);
    grid->addWidget(m_job, 3, 1, 1, 2);
    grid->setColumnMinimumWidth(1, 240);

    auto* save = new QPushButton(FileDialogTexts::Save, this);
    save->setObjectName(QStringLiteral("save"));
    save->setDefault(true);
    auto* cancel = new QPushButton(FileDialogTexts::Cancel, this);
    cancel->setObjectName(QStringLiteral("cancel"));
    QHBoxLayout* buttons = ButtonRow({save, cancel});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // Both instruments take the same job files; the list shows what will be written.
    connect(m_instrument, &QComboBox::currentIndexChanged, this, [this] {
        m_session.ShowTable(DataKind::Coor);
    });
    connect(browse, &QPushButton::clicked, this, &CSdCardDlg::OnBrowse);
    connect(save, &QPushButton::clicked, this, &CSdCardDlg::OnSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CSdCardDlg::OnBrowse()
{
    QFileDialog picker(this, FileDialogTexts::FolderPickerTitle, m_rememberedFolder);
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
    UseContentBlindListing(&picker);
    const bool accepted = ExecInRememberedFolder(picker, m_session.Settings(), FolderPurpose::SdCard) == QDialog::Accepted;
    const QString folder = accepted ? picker.selectedFiles().value(0) : QString();
    if (folder.isEmpty())
        m_session.Reporter().Message(FilesTexts::CannotSelectPath, MessageIcon::Exclamation);
    else
        m_rememberedFolder = folder;
    m_folderPath->setText(m_rememberedFolder);
}

void CSdCardDlg::OnSave()
{
    const Outcome outcome =
        WriteSdCardJob(m_session.Store(), m_folderPath->text(), m_folderName->text(), m_job->currentIndex());
    ReportOutcome(m_session.Reporter(), outcome);
    if (!outcome.Succeeded())
        return;
    // The whole point list is on the card now.
    HandEdits::MarkSaved(m_session.Store(), TableOf(DataKind::Coor));
    accept();
}
