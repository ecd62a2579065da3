#pragma once

#include "core/compute/adjustment/network.h"

#include <QDialog>
#include <QStringList>

class CKnownSource;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

// The options of a least-squares adjustment: the known points, the a priori standard deviations
// and whether the heights are adjusted too; for a free station, also which station.
class CAdjustDialog : public QDialog
{
    Q_OBJECT
public:
    // `stations` empty: the whole job is adjusted; otherwise the free station is chosen among them.
    CAdjustDialog(const QStringList& stations, QWidget* parent);

    Adjustment::Sigmas Sigmas() const;
    bool Heights() const;
    QString Station() const;
    const CKnownSource& Known() const { return *m_known; }

private:
    CKnownSource* m_known;
    QComboBox* m_station = nullptr;
    QDoubleSpinBox* m_direction;
    QDoubleSpinBox* m_distanceMm;
    QDoubleSpinBox* m_distancePpm;
    QCheckBox* m_heights;
};
