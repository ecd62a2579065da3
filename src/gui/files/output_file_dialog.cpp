#include "gui/files/output_file_dialog.h"

#include "gui/files/file_dialog_panel.h"
#include "gui/files/file_dialog_texts.h"
#include "core/views/data_kind.h"

#include <QComboBox>

COutputFileDialog::COutputFileDialog(DataKind kind, QWidget* parent) : QFileDialog(parent)
{
    setObjectName(QStringLiteral("outputFileDialog"));
    setAcceptMode(QFileDialog::AcceptSave);
    setNameFilter(kind == DataKind::Coor ? FileDialogTexts::OutputFileFilter.Text() + QStringLiteral(";;") + FileDialogTexts::DxfFileFilter.Text()
                                         : FileDialogTexts::OutputFileFilter.Text());
    setDefaultSuffix(QStringLiteral("txt"));
    SuffixFromFileType(this);
    QGridLayout* panel = AddFileDialogPanel(this);
    m_separator = AddPanelList(panel, FileDialogTexts::SeparatorLabel, QStringLiteral("separator"), ShownTexts(FileDialogTexts::Separators));
    m_format = AddPanelList(panel, FileDialogTexts::DataTypeLabel, QStringLiteral("format"),
                            kind == DataKind::Coor ? FileDialogTexts::CoorFormats : QStringList{FileDialogTexts::CurrentListData});
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
