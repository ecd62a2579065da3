#include "gui/files/file_dialog_ex3.h"

#include "gui/files/file_dialog_panel.h"
#include "core/files/files_texts.h"

#include <QComboBox>

CFileDialogEx3::CFileDialogEx3(QWidget* parent) : QFileDialog(parent)
{
    setObjectName(QStringLiteral("measExportDialog"));
    setAcceptMode(QFileDialog::AcceptSave);
    setNameFilter(FilesTexts::MeasExportFilter);
    setDefaultSuffix(QStringLiteral("csv"));
    SuffixFromFileType(this);
    m_angleType = AddPanelList(AddFileDialogPanel(this), FilesTexts::AngleTypeLabel, QStringLiteral("angleType"),
                               FilesTexts::AngleTypes);
}

QString CFileDialogEx3::SelectedPath() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

AngleStyle CFileDialogEx3::Angles() const
{
    return m_angleType->currentIndex() == 1 ? AngleStyle::Degrees : AngleStyle::Dms;
}
