#include "gui/compute/adjust_dialog.h"

#include "core/compute/job_rows.h"
#include "gui/compute/compute_dialog_texts.h"
#include "gui/compute/known_source.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace Adjustment;

namespace
{
// The columns of the stations' own values, in the order of StationValues.
enum StationColumn { StationName, OwnDirection, OwnDistanceMm, OwnDistancePpm, OwnCentring, StationColumns };
// The columns of the weighted known points.
enum WeightColumn { WeightPoint, WeightPlan, WeightHeight, WeightColumns };

QDoubleSpinBox* NumberBox(QWidget* parent, const char* name, double most, int decimals, double value)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, most);
    box->setDecimals(decimals);
    box->setValue(value);
    return box;
}

QString CellText(const QTableWidget& table, int row, int column)
{
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text().trimmed() : QString();
}

// A cell's number; absent when the cell is empty (or not a number, which Check refuses).
std::optional<double> CellNumber(const QTableWidget& table, int row, int column)
{
    return NumberIn(CellText(table, row, column));
}

QString Shown(const std::optional<double>& value)
{
    return value ? QString::number(*value, 'g', 12) : QString();
}

QTableWidget* Table(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setMinimumHeight(110);
    return table;
}

void AddRow(QTableWidget& table, const QStringList& texts, bool firstEditable)
{
    const int row = table.rowCount();
    table.insertRow(row);
    for (int column = 0; column < texts.size(); ++column)
    {
        auto* item = new QTableWidgetItem(texts[column]);
        if (column == 0 && !firstEditable)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        table.setItem(row, column, item);
    }
}
} // namespace

CAdjustDialog::CAdjustDialog(const QStringList& stations, bool freeStation, const AprioriOptions& stored,
                             QWidget* parent)
    : QDialog(parent), m_stored(stored)
{
    setObjectName(QStringLiteral("adjustDialog"));
    setWindowTitle(freeStation ? ComputeDialogTexts::FreeStationTitle : ComputeDialogTexts::AdjustTitle);
    auto* form = new QFormLayout(this);
    if (freeStation)
    {
        m_station = new QComboBox(this);
        m_station->setObjectName(QStringLiteral("station"));
        m_station->addItems(stations);
        form->addRow(ComputeDialogTexts::Station, m_station);
    }
    m_known = new CKnownSource(this);
    m_known->PreferList();
    form->addRow(ComputeDialogTexts::KnownFrom, m_known);

    const Sigmas& instrument = stored.sigmas;
    m_direction = NumberBox(this, "sigmaDirection", 3600, 1, instrument.directionSeconds);
    m_distanceMm = NumberBox(this, "sigmaDistanceMm", 1000, 1, instrument.distanceMm);
    m_distancePpm = NumberBox(this, "sigmaDistancePpm", 1000, 1, instrument.distancePpm);
    m_centring = NumberBox(this, "sigmaCentring", 1000, 1, instrument.centringMm);
    auto* distance = new QHBoxLayout;
    distance->addWidget(m_distanceMm);
    distance->addWidget(m_distancePpm);
    form->addRow(ComputeDialogTexts::SigmaDirection, m_direction);
    form->addRow(ComputeDialogTexts::SigmaDistance, distance);
    form->addRow(ComputeDialogTexts::SigmaCentring, m_centring);
    m_heights = new QCheckBox(ComputeDialogTexts::AdjustHeights, this);
    m_heights->setObjectName(QStringLiteral("heights"));
    form->addRow(m_heights);

    m_stations = Table(this, "stationSigmas",
                       {ComputeDialogTexts::Station, ComputeDialogTexts::DirectionColumn,
                        ComputeDialogTexts::DistanceAColumn, ComputeDialogTexts::DistanceBColumn,
                        ComputeDialogTexts::CentringColumn});
    for (const QString& station : stations)
    {
        StationSigmas own{station, {}, {}, {}, {}};
        for (const StationSigmas& kept : stored.stations)
            if (kept.station == station)
                own = kept;
        AddRow(*m_stations,
               {station, Shown(own.directionSeconds), Shown(own.distanceMm), Shown(own.distancePpm),
                Shown(own.centringMm)},
               false);
    }
    form->addRow(new QLabel(ComputeDialogTexts::StationSigmas, this));
    form->addRow(m_stations);

    m_weights = Table(this, "knownWeights",
                      {ComputeDialogTexts::HeightName, ComputeDialogTexts::PlanSigmaColumn,
                       ComputeDialogTexts::HeightSigmaColumn});
    for (const KnownWeight& weight : stored.weights)
        AddRow(*m_weights, {weight.point, Shown(weight.planMm), Shown(weight.heightMm)}, true);
    auto* add = new QPushButton(ComputeDialogTexts::AddWeight, this);
    add->setObjectName(QStringLiteral("addWeight"));
    auto* remove = new QPushButton(ComputeDialogTexts::RemoveWeight, this);
    remove->setObjectName(QStringLiteral("removeWeight"));
    connect(add, &QPushButton::clicked, this, [this] {
        AddRow(*m_weights, {QString(), QString(), QString()}, true);
        m_weights->editItem(m_weights->item(m_weights->rowCount() - 1, WeightPoint));
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_weights->currentRow() >= 0)
            m_weights->removeRow(m_weights->currentRow());
        Check();
    });
    auto* weightButtons = new QHBoxLayout;
    weightButtons->addWidget(new QLabel(ComputeDialogTexts::KnownWeights, this), 1);
    weightButtons->addWidget(add);
    weightButtons->addWidget(remove);
    form->addRow(weightButtons);
    form->addRow(m_weights);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    for (QDoubleSpinBox* box : {m_direction, m_distanceMm, m_distancePpm, m_centring})
        connect(box, &QDoubleSpinBox::valueChanged, this, &CAdjustDialog::Check);
    connect(m_stations, &QTableWidget::itemChanged, this, &CAdjustDialog::Check);
    connect(m_weights, &QTableWidget::itemChanged, this, &CAdjustDialog::Check);
    Check();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    resize(640, sizeHint().height());
}

// A direction needs a standard deviation, and a distance one of a and b, at every station: a
// zero weight would be no observation, an infinite one a singular system. A weighted point
// needs a σ above 0 for the same reason, and every cell that is filled in must be a number.
void CAdjustDialog::Check()
{
    m_ok->setEnabled(CellsReadable() && CheckAprioriOptions(Options()).Succeeded());
}

bool CAdjustDialog::CellsReadable() const
{
    for (int row = 0; row < m_stations->rowCount(); ++row)
        for (int column = OwnDirection; column < StationColumns; ++column)
            if (!CellText(*m_stations, row, column).isEmpty() && !CellNumber(*m_stations, row, column))
                return false;
    for (int row = 0; row < m_weights->rowCount(); ++row)
    {
        const bool named = !CellText(*m_weights, row, WeightPoint).isEmpty();
        for (int column = WeightPlan; column < WeightColumns; ++column)
            if (!CellText(*m_weights, row, column).isEmpty() && (!named || !CellNumber(*m_weights, row, column)))
                return false;
    }
    return true;
}

AprioriOptions CAdjustDialog::Options() const
{
    AprioriOptions options;
    options.sigmas = m_stored.sigmas; // keeps what the dialog does not show (the heights' σ)
    options.sigmas.directionSeconds = m_direction->value();
    options.sigmas.distanceMm = m_distanceMm->value();
    options.sigmas.distancePpm = m_distancePpm->value();
    options.sigmas.centringMm = m_centring->value();
    QStringList shown;
    for (int row = 0; row < m_stations->rowCount(); ++row)
        shown << CellText(*m_stations, row, StationName);
    for (const StationSigmas& kept : m_stored.stations)
        if (!shown.contains(kept.station))
            options.stations << kept;
    for (int row = 0; row < m_stations->rowCount(); ++row)
    {
        const StationSigmas own{CellText(*m_stations, row, StationName), CellNumber(*m_stations, row, OwnDirection),
                                CellNumber(*m_stations, row, OwnDistanceMm), CellNumber(*m_stations, row, OwnDistancePpm),
                                CellNumber(*m_stations, row, OwnCentring)};
        if (own.directionSeconds || own.distanceMm || own.distancePpm || own.centringMm)
            options.stations << own;
    }
    for (int row = 0; row < m_weights->rowCount(); ++row)
    {
        const KnownWeight weight{CellText(*m_weights, row, WeightPoint), CellNumber(*m_weights, row, WeightPlan),
                                 CellNumber(*m_weights, row, WeightHeight)};
        if (!weight.point.isEmpty())
            options.weights << weight;
    }
    return options;
}

bool CAdjustDialog::Heights() const
{
    return m_heights->isChecked();
}

QString CAdjustDialog::Station() const
{
    return m_station ? m_station->currentText() : QString();
}
