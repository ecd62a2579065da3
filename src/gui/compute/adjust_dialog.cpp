#include "gui/compute/adjust_dialog.h"

#include "gui/compute/compute_dialog_texts.h"
#include "gui/compute/known_source.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace
{
QDoubleSpinBox* NumberBox(QWidget* parent, const char* name, double most, int decimals, double value)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, most);
    box->setDecimals(decimals);
    box->setValue(value);
    return box;
}
} // namespace

CAdjustDialog::CAdjustDialog(const QStringList& stations, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("adjustDialog"));
    setWindowTitle(stations.isEmpty() ? ComputeDialogTexts::AdjustTitle : ComputeDialogTexts::FreeStationTitle);
    auto* form = new QFormLayout(this);
    if (!stations.isEmpty())
    {
        m_station = new QComboBox(this);
        m_station->setObjectName(QStringLiteral("station"));
        m_station->addItems(stations);
        form->addRow(ComputeDialogTexts::Station, m_station);
    }
    m_known = new CKnownSource(this);
    m_known->PreferList();
    form->addRow(ComputeDialogTexts::KnownFrom, m_known);

    const Adjustment::Sigmas defaults;
    m_direction = NumberBox(this, "sigmaDirection", 3600, 1, defaults.directionSeconds);
    m_distanceMm = NumberBox(this, "sigmaDistanceMm", 1000, 1, defaults.distanceMm);
    m_distancePpm = NumberBox(this, "sigmaDistancePpm", 1000, 1, defaults.distancePpm);
    auto* distance = new QHBoxLayout;
    distance->addWidget(m_distanceMm);
    distance->addWidget(m_distancePpm);
    form->addRow(ComputeDialogTexts::SigmaDirection, m_direction);
    form->addRow(ComputeDialogTexts::SigmaDistance, distance);
    m_heights = new QCheckBox(ComputeDialogTexts::AdjustHeights, this);
    m_heights->setObjectName(QStringLiteral("heights"));
    form->addRow(m_heights);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    // A direction needs a standard deviation, and a distance one of a and b: a zero weight
    // would be no observation, an infinite one a singular system.
    const auto check = [this, ok] {
        ok->setEnabled(m_direction->value() > 0 && m_distanceMm->value() + m_distancePpm->value() > 0);
    };
    for (QDoubleSpinBox* box : {m_direction, m_distanceMm, m_distancePpm})
        connect(box, &QDoubleSpinBox::valueChanged, this, check);
    check();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    resize(560, sizeHint().height());
}

Adjustment::Sigmas CAdjustDialog::Sigmas() const
{
    Adjustment::Sigmas sigmas;
    sigmas.directionSeconds = m_direction->value();
    sigmas.distanceMm = m_distanceMm->value();
    sigmas.distancePpm = m_distancePpm->value();
    return sigmas;
}

bool CAdjustDialog::Heights() const
{
    return m_heights->isChecked();
}

QString CAdjustDialog::Station() const
{
    return m_station ? m_station->currentText() : QString();
}
