#pragma once

#include "core/compute/adjustment/apriori_options.h"

#include <QDialog>
#include <QStringList>

class CKnownSource;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QTableWidget;

// The options of a least-squares adjustment: the known points and which of them are weighted
// rather than fixed, the instrument's a priori standard deviations and each station's own,
// and whether the heights are adjusted too; for a free station, also which station.
class CAdjustDialog : public QDialog
{
    Q_OBJECT
public:
    // `stations`: the job's, each given a row for its own values. `freeStation`: the free
    // station is chosen among them; otherwise the whole job is adjusted. `stored`: the values
    // the project holds, shown to be edited; a station's own values for a station not in this
    // job are kept as they are.
    CAdjustDialog(const QStringList& stations, bool freeStation, const Adjustment::AprioriOptions& stored,
                  QWidget* parent);

    // The values as edited (valid whenever OK could be pressed).
    Adjustment::AprioriOptions Options() const;
    bool Heights() const;
    QString Station() const;
    const CKnownSource& Known() const { return *m_known; }

private:
    void Check();
    bool CellsReadable() const;

    Adjustment::AprioriOptions m_stored;
    CKnownSource* m_known;
    QComboBox* m_station = nullptr;
    QDoubleSpinBox* m_direction;
    QDoubleSpinBox* m_distanceMm;
    QDoubleSpinBox* m_distancePpm;
    QDoubleSpinBox* m_centring;
    QCheckBox* m_heights;
    QTableWidget* m_stations;
    QTableWidget* m_weights;
    QPushButton* m_ok = nullptr;
};
