#include "gui/compute/points_dialog.h"

#include "gui/compute/compute_dialog_texts.h"
#include "gui/compute/known_source.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>

CPointsDialog::CPointsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("pointsDialog"));
    setWindowTitle(ComputeDialogTexts::PointsTitle);
    m_known = new CKnownSource(this);
    m_refraction = new QCheckBox(ComputeDialogTexts::Refraction, this);
    m_refraction->setChecked(true);
    m_k = new QDoubleSpinBox(this);
    m_k->setRange(-1, 1);
    m_k->setDecimals(2);
    m_k->setSingleStep(0.01);
    m_k->setValue(0.14);
    connect(m_refraction, &QCheckBox::toggled, m_k, &QWidget::setEnabled);
    m_scale = new QDoubleSpinBox(this);
    m_scale->setRange(0.5, 2);
    m_scale->setDecimals(8);
    m_scale->setSingleStep(0.0001);
    m_scale->setValue(1);
    m_tolerance = new QDoubleSpinBox(this);
    m_tolerance->setRange(0, 10000);
    m_tolerance->setDecimals(1);
    m_tolerance->setValue(10);

    auto* refraction = new QHBoxLayout;
    refraction->addWidget(m_refraction);
    refraction->addWidget(m_k);
    refraction->addStretch();
    auto* form = new QFormLayout(this);
    form->addRow(ComputeDialogTexts::KnownFrom, m_known);
    form->addRow(refraction);
    form->addRow(ComputeDialogTexts::Scale, m_scale);
    form->addRow(ComputeDialogTexts::Tolerance, m_tolerance);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    resize(560, sizeHint().height());
}

PolarOptions CPointsDialog::Options() const
{
    PolarOptions options;
    if (m_refraction->isChecked())
        options.refraction = m_k->value();
    else
        options.refraction.reset();
    options.scale = m_scale->value();
    options.toleranceMm = m_tolerance->value();
    return options;
}
