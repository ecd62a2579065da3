#include "gui/geodesy/system_choice.h"

#include "core/geodesy/cgcs2000_zones.h"
#include "gui/geodesy/geodesy_dialog_texts.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace
{
// The zone offered first: the 3° zone of Beijing's meridian, where most of the users work.
constexpr int FirstOffered = 4548;

QDoubleSpinBox* NumberBox(const QString& name, double low, double high, int decimals, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setDecimals(decimals);
    return box;
}
} // namespace

CSystemChoice::CSystemChoice(std::optional<CoordinateSystem> geographic, QWidget* parent)
    : QWidget(parent), m_geographic(std::move(geographic))
{
    m_zoneChoice = new QRadioButton(GeodesyDialogTexts::ZoneChoice, this);
    m_zoneChoice->setObjectName(QStringLiteral("zoneChoice"));
    m_epsgChoice = new QRadioButton(GeodesyDialogTexts::EpsgChoice, this);
    m_epsgChoice->setObjectName(QStringLiteral("epsgChoice"));
    m_localChoice = new QRadioButton(GeodesyDialogTexts::LocalChoice, this);
    m_localChoice->setObjectName(QStringLiteral("localChoice"));
    m_zone = new QComboBox(this);
    m_zone->setObjectName(QStringLiteral("zone"));
    for (const NamedSystem& zone : Cgcs2000Zones())
        m_zone->addItem(QStringLiteral("%1 (EPSG:%2)").arg(zone.name).arg(zone.epsg), zone.epsg);
    m_epsg = new QLineEdit(this);
    m_epsg->setObjectName(QStringLiteral("epsgCode"));
    m_epsg->setPlaceholderText(QStringLiteral("EPSG:4527"));
    m_meridian = NumberBox(QStringLiteral("meridian"), -180, 180, 6, this);
    m_height = NumberBox(QStringLiteral("projectionHeight"), -1000, 9000, 3, this);
    m_falseEasting = NumberBox(QStringLiteral("falseEasting"), -1e8, 1e8, 3, this);
    m_falseNorthing = NumberBox(QStringLiteral("falseNorthing"), -1e8, 1e8, 3, this);
    m_scale = NumberBox(QStringLiteral("scaleFactor"), 0.9, 1.1, 9, this);
    m_scale->setSingleStep(0.0001);

    auto* local = new QFormLayout;
    local->setContentsMargins(24, 0, 0, 0);
    local->addRow(GeodesyDialogTexts::Meridian, m_meridian);
    local->addRow(GeodesyDialogTexts::Height, m_height);
    local->addRow(GeodesyDialogTexts::FalseEasting, m_falseEasting);
    local->addRow(GeodesyDialogTexts::FalseNorthing, m_falseNorthing);
    local->addRow(GeodesyDialogTexts::ScaleFactor, m_scale);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_zoneChoice, 0, 0);
    layout->addWidget(m_zone, 0, 1);
    layout->addWidget(m_epsgChoice, 1, 0);
    layout->addWidget(m_epsg, 1, 1);
    layout->addWidget(m_localChoice, 2, 0, 1, 2);
    layout->addLayout(local, 3, 0, 1, 2);
    if (m_geographic)
    {
        m_geographicChoice = new QRadioButton(GeodesyDialogTexts::GeographicChoice, this);
        m_geographicChoice->setObjectName(QStringLiteral("geographicChoice"));
        layout->addWidget(m_geographicChoice, 4, 0, 1, 2);
        connect(m_geographicChoice, &QRadioButton::toggled, this, &CSystemChoice::FollowChoice);
    }
    layout->setColumnStretch(1, 1);
    for (QRadioButton* choice : {m_zoneChoice, m_epsgChoice, m_localChoice})
        connect(choice, &QRadioButton::toggled, this, &CSystemChoice::FollowChoice);
    Show({});
}

void CSystemChoice::Show(const CoordinateSystem& system)
{
    const LocalGrid grid = system.kind == CoordinateSystem::Kind::Local ? system.local : LocalGrid{117, 0, 500000, 0, 1};
    m_meridian->setValue(grid.meridian);
    m_height->setValue(grid.height);
    m_falseEasting->setValue(grid.falseEasting);
    m_falseNorthing->setValue(grid.falseNorthing);
    m_scale->setValue(grid.scale);
    const int zone = m_zone->findData(system.kind == CoordinateSystem::Kind::Epsg ? system.epsg : FirstOffered);
    m_zone->setCurrentIndex(std::max(0, zone < 0 ? m_zone->findData(FirstOffered) : zone));
    if (system.kind == CoordinateSystem::Kind::Epsg)
        m_epsg->setText(ProjDefinitionOf(system));
    if (system.kind == CoordinateSystem::Kind::Local)
        m_localChoice->setChecked(true);
    else if (system.kind == CoordinateSystem::Kind::Epsg && zone < 0)
        m_epsgChoice->setChecked(true);
    else
        m_zoneChoice->setChecked(true);
    FollowChoice();
}

void CSystemChoice::FollowChoice()
{
    m_zone->setEnabled(m_zoneChoice->isChecked());
    m_epsg->setEnabled(m_epsgChoice->isChecked());
    for (QDoubleSpinBox* box : {m_meridian, m_height, m_falseEasting, m_falseNorthing, m_scale})
        box->setEnabled(m_localChoice->isChecked());
}

Outcome CSystemChoice::Chosen(CoordinateSystem& system) const
{
    if (m_geographicChoice && m_geographicChoice->isChecked())
        system = *m_geographic;
    else if (m_localChoice->isChecked())
        system = CoordinateSystem::Local(
            {m_meridian->value(), m_height->value(), m_falseEasting->value(), m_falseNorthing->value(), m_scale->value()});
    else if (m_zoneChoice->isChecked())
        system = CoordinateSystem::Epsg(m_zone->currentData().toInt());
    else
    {
        // "4527" alone is taken as the register's code too.
        const QString typed = m_epsg->text().trimmed();
        bool number = false;
        const int code = typed.toInt(&number);
        const std::optional<int> epsg = number ? std::optional(code) : EpsgCodeOf(typed);
        if (!epsg || *epsg <= 0)
            return {Status::UnknownCoordinateSystem, typed};
        system = CoordinateSystem::Epsg(*epsg);
    }
    return CheckSystem(system);
}
