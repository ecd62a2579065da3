#include "gui/geodesy/fit_dialog.h"

#include "gui/files/shown_list.h"
#include "gui/geodesy/geodesy_dialog_texts.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/toolkit/dialog_parts.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <numbers>

namespace
{
constexpr double ArcSeconds = 180.0 * 3600.0 / std::numbers::pi; // in a radian
constexpr double Ppm = 1e6;
constexpr double Millimetres = 1000;
enum Column { NameColumn, VnColumn, VeColumn, VzColumn, TickColumn, ColumnCount };

// The fields of one model's parameters, named `prefix` and their place ("similarity0" …).
QWidget* FieldPage(const QString& prefix, const std::vector<std::pair<ShownText, double>>& fields,
                   std::vector<QDoubleSpinBox*>& boxes, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    for (const auto& [caption, range] : fields)
    {
        auto* box = new QDoubleSpinBox(page);
        box->setRange(-range, range);
        box->setDecimals(6);
        box->setObjectName(prefix + QString::number(boxes.size()));
        form->addRow(caption.Text(), box);
        boxes.push_back(box);
    }
    return page;
}

QString Millimetre(double metres)
{
    return QString::number(metres * Millimetres, 'f', 1);
}
} // namespace

CFitDialog::CFitDialog(CSession& session, QWidget* parent) : QDialog(parent), m_session(session)
{
    using namespace GeodesyDialogTexts;
    setObjectName(QStringLiteral("fitDialog"));
    setWindowTitle(FitTitle);
    m_similarity = new QRadioButton(Similarity, this);
    m_similarity->setObjectName(QStringLiteral("similarity"));
    m_similarity->setChecked(true);
    m_helmert = new QRadioButton(Helmert, this);
    m_helmert->setObjectName(QStringLiteral("helmert"));
    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("commonFile"));
    auto* browse = new QPushButton(Browse, this);
    auto* fit = new QPushButton(GeodesyDialogTexts::Fit, this);
    fit->setObjectName(QStringLiteral("fit"));
    m_fields = new QStackedWidget(this);
    m_fields->addWidget(FieldPage(QStringLiteral("similarity"), {{ShiftNorth, 1e8}, {ShiftEast, 1e8}, {Rotation, 1e7}, {Scale, 1e6}},
                                  m_similarityFields, m_fields));
    m_fields->addWidget(FieldPage(QStringLiteral("helmert"), {{ShiftX, 1e8}, {ShiftY, 1e8}, {ShiftZ, 1e8}, {RotationX, 1e7}, {RotationY, 1e7},
                                   {RotationZ, 1e7}, {Scale, 1e6}},
                                  m_helmertFields, m_fields));
    m_residuals = new QTableWidget(0, ColumnCount, this);
    m_residuals->setObjectName(QStringLiteral("residuals"));
    m_residuals->setHorizontalHeaderLabels({PointColumn.Text(), QStringLiteral("vN (mm)"), QStringLiteral("vE (mm)"),
                                            QStringLiteral("vZ (mm)"), UsedColumn.Text()});
    m_residuals->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_residuals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rms = new QLabel(this);
    m_rms->setObjectName(QStringLiteral("rms"));
    auto* hint = new QLabel(LeaveOutHint, this);
    hint->setWordWrap(true);

    connect(m_helmert, &QRadioButton::toggled, this, &CFitDialog::FollowModel);
    connect(fit, &QPushButton::clicked, this, &CFitDialog::Fit);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, {}, m_file->text(), CommonFilter);
        if (!path.isEmpty())
            m_file->setText(path);
    });

    auto* models = new QHBoxLayout;
    models->addWidget(m_similarity);
    models->addWidget(m_helmert);
    models->addStretch();
    auto* file = new QHBoxLayout;
    file->addWidget(new QLabel(CommonFile, this));
    file->addWidget(m_file, 1);
    file->addWidget(browse);
    file->addWidget(fit);
    auto* results = new QHBoxLayout;
    results->addWidget(m_fields);
    results->addWidget(m_residuals, 1);
    QDialogButtonBox* buttons = DialogButtons(*this, QDialogButtonBox::Close);
    QPushButton* apply = buttons->addButton(Apply, QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("apply"));
    QVBoxLayout* layout = StackParts(*this, {models, file, hint});
    layout->addLayout(results, 1);
    layout->addWidget(m_rms);
    layout->addWidget(buttons);
    FollowModel();
    resize(900, 480);
}

void CFitDialog::FollowModel()
{
    m_fields->setCurrentIndex(m_helmert->isChecked() ? 1 : 0);
}

QSet<QString> CFitDialog::LeftOut() const
{
    QSet<QString> names;
    // Ticks belong to the file they were given for.
    if (m_listedFile != m_file->text().trimmed())
        return names;
    for (int row = 0; row < m_residuals->rowCount(); ++row)
        if (m_residuals->item(row, TickColumn)->checkState() != Qt::Checked)
            names.insert(m_residuals->item(row, NameColumn)->text());
    return names;
}

void CFitDialog::Fit()
{
    const QString path = m_file->text().trimmed();
    if (!AcceptChosenFile(m_session, path))
        return;
    std::vector<CommonPoint> points;
    if (const Outcome read = ReadCommonPoints(path, points); !read.Succeeded())
        return ReportOutcome(m_session.Reporter(), read);
    const FitResult fit = FitParameters(m_helmert->isChecked() ? FitModel::Helmert : FitModel::Similarity, points,
                                        LeftOut());
    if (!fit.outcome.Succeeded())
        return ReportOutcome(m_session.Reporter(), fit.outcome);
    m_listedFile = path;
    ShowFit(fit);
}

void CFitDialog::ShowFit(const FitResult& fit)
{
    if (fit.model == FitModel::Helmert)
    {
        const HelmertParameters& p = fit.helmert;
        const double values[] = {p.tx, p.ty, p.tz, p.rx * ArcSeconds, p.ry * ArcSeconds, p.rz * ArcSeconds,
                                 p.scale * Ppm};
        for (size_t i = 0; i < m_helmertFields.size(); ++i)
            m_helmertFields[i]->setValue(values[i]);
    }
    else
    {
        const SimilarityParameters& p = fit.similarity;
        const double values[] = {p.dN, p.dE, p.rotation * ArcSeconds, p.scale * Ppm};
        for (size_t i = 0; i < m_similarityFields.size(); ++i)
            m_similarityFields[i]->setValue(values[i]);
    }
    m_residuals->setRowCount(int(fit.residuals.size()));
    for (int row = 0; row < int(fit.residuals.size()); ++row)
    {
        const FitResidual& residual = fit.residuals[size_t(row)];
        const QString texts[] = {residual.name, Millimetre(residual.vN), Millimetre(residual.vE),
                                 fit.model == FitModel::Helmert ? Millimetre(residual.vZ) : QString()};
        for (int column = NameColumn; column <= VzColumn; ++column)
        {
            auto* item = new QTableWidgetItem(texts[column]);
            if (column != NameColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_residuals->setItem(row, column, item);
        }
        auto* used = new QTableWidgetItem;
        used->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        used->setCheckState(residual.used ? Qt::Checked : Qt::Unchecked);
        m_residuals->setItem(row, TickColumn, used);
    }
    m_rms->setText(GeodesyDialogTexts::Rms(fit.rms * Millimetres));
}

QString CFitDialog::RmsText() const
{
    return m_rms->text();
}

FitResult CFitDialog::Parameters() const
{
    FitResult result;
    if (m_helmert->isChecked())
    {
        result.model = FitModel::Helmert;
        const auto value = [this](size_t i) { return m_helmertFields[i]->value(); };
        result.helmert = {value(0), value(1), value(2), value(3) / ArcSeconds, value(4) / ArcSeconds,
                          value(5) / ArcSeconds, value(6) / Ppm};
    }
    else
    {
        const auto value = [this](size_t i) { return m_similarityFields[i]->value(); };
        result.similarity = {value(0), value(1), value(2) / ArcSeconds, value(3) / Ppm};
    }
    return result;
}
