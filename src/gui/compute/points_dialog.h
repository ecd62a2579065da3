#pragma once

#include "core/compute/polar.h"
#include "core/compute/setup.h"

#include <QDialog>

class CKnownSource;
class QCheckBox;
class QDoubleSpinBox;
class QTableWidget;

// The options of recomputing the job's points, with the instrument and target heights of the
// job for correcting a height typed wrong in the field.
class CPointsDialog : public QDialog
{
    Q_OBJECT
public:
    CPointsDialog(const QList<Setup>& setups, QWidget* parent);

    PolarOptions Options() const;
    const CKnownSource& Known() const { return *m_known; }

private:
    CKnownSource* m_known;
    QCheckBox* m_refraction;
    QDoubleSpinBox* m_k;
    QDoubleSpinBox* m_scale;
    QDoubleSpinBox* m_tolerance;
    QTableWidget* m_heights;
};
