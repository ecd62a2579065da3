#pragma once

#include "core/files/text_import.h"

#include <QFileDialog>

class QComboBox;

// The import's open dialog: the file, and under it what the file holds (data type) and, for
// coordinates, the column order (format), for version 2 texts the record kind.
class CImportFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    explicit CImportFileDialog(QWidget* parent = nullptr);

    QString SelectedPath() const;
    ImportType DataType() const;
    int FormatIndex() const;   // 0 to 7 for coordinates, the record kind (0 to 4) for version 2, else 0

private:
    void OnDataTypeChanged(int index);

    QComboBox* m_dataType;
    QComboBox* m_format;
};
