#include "gui/files/output_file_dialog.h"

#include "gui/files/file_dialog_panel.h"
#include "core/files/files_texts.h"
#include "core/views/data_kind.h"

#include <QComboBox>

COutputFileDialog::COutputFileDialog(DataKind kind, QWidget* parent) : QFileDialog(parent)
{
    setObjectName(QStringLiteral("outputFileDialog"));
    setAcceptMode(QFileDialog::AcceptSave);
    setNameFilter(kind == DataKind::Coor ? FilesTexts::OutputFileFilter + QStringLiteral(";;") + FilesTexts::DxfFileFilter
                                         : FilesTexts::OutputFileFilter);
    setDefaultSuffix(QStringLiteral("txt"));
    SuffixFromFileType(this);
    QGridLayout* panel = AddFileDialogPanel(this);
    m_separator = AddPanelList(panel, FilesTexts::SeparatorLabel, QStringLiteral("separator"), FilesTexts::Separators);
    m_format = AddPanelList(panel, FilesTexts::DataTypeLabel, QStringLiteral("format"),
                            kind == DataKind::Coor ? FilesTexts::CoorFormats : QStringList{FilesTexts::CurrentListData});
}

QString COutputFileDialog::SelectedPath() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

int COutputFileDialog::SeparatorIndex() const
{
    return m_separator->currentIndex();
}

int COutputFileDialog::FormatIndex() const
{
    return m_format->currentIndex();
}
