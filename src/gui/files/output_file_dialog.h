#pragma once

#include "core/views/data_kind.h"
#include <QFileDialog>

class QComboBox;

// The output file's save dialog: the file, the separator, and for coordinates the column order.
class COutputFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    COutputFileDialog(DataKind kind, QWidget* parent = nullptr);

    QString SelectedPath() const;
    int SeparatorIndex() const; // 0 comma, 1 blank, 2 tab
    int FormatIndex() const;    // 0 to 7 for coordinates, else 0

private:
    QComboBox* m_separator;
    QComboBox* m_format;
};
