#pragma once

#include "core/files/meas_export.h"

#include <QFileDialog>

class QComboBox;

// The save dialog of the full measurement layouts: the file and how angles are written.
class CMeasExportFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    explicit CMeasExportFileDialog(QWidget* parent = nullptr);

    QString SelectedPath() const;
    AngleStyle Angles() const; // the angle list's index 0 is ddd.mmss, 1 decimal degrees

private:
    QComboBox* m_angleType;
};
