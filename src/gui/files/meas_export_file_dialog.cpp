#include "gui/files/meas_export_file_dialog.h"

#include "gui/files/file_dialog_panel.h"
#include "gui/files/file_dialog_texts.h"

#include <QComboBox>

CMeasExportFileDialog::CMeasExportFileDialog(QWidget* parent) : QFileDialog(parent)
{
    setObjectName(QStringLiteral("measExportDialog"));
    setAcceptMode(QFileDialog::AcceptSave);
    setNameFilter(FileDialogTexts::MeasExportFilter);
    setDefaultSuffix(QStringLiteral("csv"));
    SuffixFromFileType(this);
    m_angleType = AddPanelList(AddFileDialogPanel(this), FileDialogTexts::AngleTypeLabel, QStringLiteral("angleType"),
                               FileDialogTexts::AngleTypes);
}

QString CMeasExportFileDialog::SelectedPath() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

AngleStyle CMeasExportFileDialog::Angles() const
{
    return m_angleType->currentIndex() == 1 ? AngleStyle::Degrees : AngleStyle::Dms;
}
