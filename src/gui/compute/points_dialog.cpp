#include "gui/compute/points_dialog.h"

#include "gui/compute/compute_dialog_texts.h"
#include "gui/compute/known_source.h"
#include "gui/toolkit/dialog_parts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace
{
enum HeightColumn { Kind, Name, Recorded, Used, HeightColumns };
// The row's kind, kept in the kind cell: instrument heights are per station, target heights per point.
constexpr int IsStationRole = Qt::UserRole;

QString Metres(double value)
{
    return QString::number(value, 'f', 3);
}

// A height is typed into a spin box: a cell can only ever hold a number of metres.
class CHeightDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new QDoubleSpinBox(parent);
        editor->setRange(-1000, 1000);
        editor->setDecimals(3);
        editor->setSingleStep(0.001);
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QDoubleSpinBox*>(editor)->setValue(index.data().toString().toDouble());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, Metres(static_cast<QDoubleSpinBox*>(editor)->value()));
    }
};

// One row per station and per observed point, with the height the job recorded (the first
// one, where a point was observed with several); only the corrected column can be edited.
void FillHeights(QTableWidget& table, const QList<Setup>& setups)
{
    QList<std::pair<QString, double>> stations, targets;
    QSet<QString> seenStations, seenTargets;
    for (const Setup& setup : setups)
    {
        if (!seenStations.contains(setup.station))
        {
            seenStations.insert(setup.station);
            stations.append({setup.station, setup.ih});
        }
        for (const Observation& observation : setup.observations)
            if (!seenTargets.contains(observation.target))
            {
                seenTargets.insert(observation.target);
                targets.append({observation.target, observation.ph});
            }
    }
    const auto add = [&table](const QString& kind, bool station, const QString& name, double height) {
        const int row = table.rowCount();
        table.insertRow(row);
        const QString texts[HeightColumns] = {kind, name, Metres(height), Metres(height)};
        for (int column = 0; column < HeightColumns; ++column)
        {
            auto* item = new QTableWidgetItem(texts[column]);
            if (column != Used)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (column >= Recorded)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(row, column, item);
        }
        table.item(row, Kind)->setData(IsStationRole, station);
    };
    for (const auto& [name, height] : stations)
        add(ComputeDialogTexts::InstrumentHeight, true, name, height);
    for (const auto& [name, height] : targets)
        add(ComputeDialogTexts::TargetHeight, false, name, height);
}
} // namespace

CPointsDialog::CPointsDialog(const QList<Setup>& setups, QWidget* parent) : QDialog(parent)
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

    m_heights = new QTableWidget(0, HeightColumns, this);
    m_heights->setObjectName(QStringLiteral("heightTable"));
    m_heights->setHorizontalHeaderLabels({ComputeDialogTexts::HeightKind, ComputeDialogTexts::HeightName,
                                          ComputeDialogTexts::HeightRecorded, ComputeDialogTexts::HeightUsed});
    m_heights->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_heights->verticalHeader()->hide();
    m_heights->setItemDelegateForColumn(Used, new CHeightDelegate(m_heights));
    FillHeights(*m_heights, setups);

    auto* refraction = new QHBoxLayout;
    refraction->addWidget(m_refraction);
    refraction->addWidget(m_k);
    refraction->addStretch();
    auto* form = new QFormLayout(this);
    form->addRow(ComputeDialogTexts::KnownFrom, m_known);
    form->addRow(refraction);
    form->addRow(ComputeDialogTexts::Scale, m_scale);
    form->addRow(ComputeDialogTexts::Tolerance, m_tolerance);
    form->addRow(new QLabel(ComputeDialogTexts::Heights, this));
    form->addRow(m_heights);
    form->addRow(DialogButtons(*this));
    resize(560, 620);
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
    // Only a height the user changed overrides the job's; the recorded value typed again leaves
    // the job's own (unrounded) height in place.
    for (int row = 0; row < m_heights->rowCount(); ++row)
    {
        const double used = m_heights->item(row, Used)->text().toDouble();
        if (m_heights->item(row, Used)->text() == m_heights->item(row, Recorded)->text())
            continue;
        const QString name = m_heights->item(row, Name)->text();
        if (m_heights->item(row, Kind)->data(IsStationRole).toBool())
            options.instrumentHeights.insert(name, used);
        else
            options.targetHeights.insert(name, used);
    }
    return options;
}
