#include "gui/files/import_file_dialog.h"

#include "gui/files/file_dialog_panel.h"
#include "gui/files/file_dialog_texts.h"
#include "core/files/text_import.h"

#include <QComboBox>

CImportFileDialog::CImportFileDialog(QWidget* parent) : QFileDialog(parent)
{
    setObjectName(QStringLiteral("importDialog"));
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    setNameFilter(FileDialogTexts::ImportFilter);
    setOption(QFileDialog::ReadOnly, false);
    QGridLayout* panel = AddFileDialogPanel(this);
    m_dataType = AddPanelList(panel, FileDialogTexts::DataTypeLabel, QStringLiteral("dataType"), ShownTexts(FileDialogTexts::DataTypes));
    m_format = AddPanelList(panel, FileDialogTexts::DataFormatLabel, QStringLiteral("format"), FileDialogTexts::CoorFormats);
    connect(m_dataType, &QComboBox::currentIndexChanged, this, &CImportFileDialog::OnDataTypeChanged);
}

void CImportFileDialog::OnDataTypeChanged(int index)
{
    const auto type = ImportType(index);
    // Coordinates come in several column orders and version 2 texts in several record kinds;
    // the other types show their one layout, greyed.
    if (type == ImportType::Coor)
        RefillList(m_format, FileDialogTexts::CoorFormats);
    else if (type == ImportType::V2)
        RefillList(m_format, ShownTexts(FileDialogTexts::V2Formats));
    else
        RefillList(m_format, {(type == ImportType::Code ? FileDialogTexts::CodeFormat : FileDialogTexts::MeasFormat).Text()});
    m_format->setEnabled(type == ImportType::Coor || type == ImportType::V2);
}

QString CImportFileDialog::SelectedPath() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

ImportType CImportFileDialog::DataType() const
{
    // The list holds the types in the enumeration's order.
    return ImportType(m_dataType->currentIndex());
}

int CImportFileDialog::FormatIndex() const
{
    return m_format->isEnabled() ? m_format->currentIndex() : 0;
}
