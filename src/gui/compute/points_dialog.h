#pragma once

#include "core/compute/polar.h"

#include <QDialog>

class CKnownSource;
class QCheckBox;
class QDoubleSpinBox;

// The options of recomputing the job's points.
class CPointsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CPointsDialog(QWidget* parent);

    PolarOptions Options() const;
    const CKnownSource& Known() const { return *m_known; }

private:
    CKnownSource* m_known;
    QCheckBox* m_refraction;
    QDoubleSpinBox* m_k;
    QDoubleSpinBox* m_scale;
    QDoubleSpinBox* m_tolerance;
};
