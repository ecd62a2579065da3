#pragma once

#include "core/geodesy/coordinate_system.h"
#include "core/report/outcome.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;

// Choosing a coordinate system: a CGCS2000 zone by its name, a code of the EPSG register, a
// local grid by its definition, and, where a transformation offers it, the geographic system
// of the project's datum.
class CSystemChoice : public QWidget
{
    Q_OBJECT
public:
    // `geographic`: the system offered as "latitude and longitude"; none offers no such choice.
    CSystemChoice(std::optional<CoordinateSystem> geographic, QWidget* parent);

    // Starts from `system` (none: the zone of 117°E).
    void Show(const CoordinateSystem& system);
    // The chosen system, once PROJ has accepted it: Done, or UnknownCoordinateSystem naming
    // what was typed.
    Outcome Chosen(CoordinateSystem& system) const;

private:
    void FollowChoice();

    std::optional<CoordinateSystem> m_geographic;
    QRadioButton* m_zoneChoice;
    QRadioButton* m_epsgChoice;
    QRadioButton* m_localChoice;
    QRadioButton* m_geographicChoice = nullptr;
    QComboBox* m_zone;
    QLineEdit* m_epsg;
    QDoubleSpinBox* m_meridian;
    QDoubleSpinBox* m_height;
    QDoubleSpinBox* m_falseEasting;
    QDoubleSpinBox* m_falseNorthing;
    QDoubleSpinBox* m_scale;
};
