#include "gui/plan/plan_sheet_dialog.h"

#include "gui/plan/plan_view_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
// The scales offered, in the order shown; 0 fits the job on the page.
constexpr int Scales[] = {500, 1000, 2000, 0};
} // namespace

CPlanSheetDialog::CPlanSheetDialog(const PlanBounds& bounds, double metresPerUnit, QWidget* parent)
    : QDialog(parent), m_bounds(bounds), m_metresPerUnit(metresPerUnit)
{
    setObjectName(QStringLiteral("planSheetDialog"));
    setWindowTitle(PlanViewTexts::SheetTitle);
    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("sheetPaper"));
    m_paper->addItem(QStringLiteral("A4"), int(PaperSize::A4));
    m_paper->addItem(QStringLiteral("A3"), int(PaperSize::A3));
    m_orientation = new QComboBox(this);
    m_orientation->setObjectName(QStringLiteral("sheetOrientation"));
    m_orientation->addItem(PlanViewTexts::Landscape, true);
    m_orientation->addItem(PlanViewTexts::Portrait, false);
    m_scale = new QComboBox(this);
    m_scale->setObjectName(QStringLiteral("sheetScale"));
    for (const int scale : Scales)
        m_scale->addItem(scale > 0 ? ScaleText(scale) : PlanViewTexts::FitPage.Text(), scale);
    m_scale->setCurrentIndex(m_scale->count() - 1);
    m_title = new QCheckBox(PlanViewTexts::TitleBlock, this);
    m_title->setObjectName(QStringLiteral("sheetTitleBlock"));
    m_title->setChecked(true);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("sheetVerdict"));
    m_verdict->setWordWrap(true);
    m_verdict->setMinimumWidth(360);
    m_fit = new QPushButton(PlanViewTexts::UseFitPage, this);
    m_fit->setObjectName(QStringLiteral("sheetUseFit"));
    m_fit->setAutoDefault(false);
    connect(m_fit, &QPushButton::clicked, this, [this] { m_scale->setCurrentIndex(m_scale->count() - 1); });

    auto* form = new QFormLayout;
    form->addRow(PlanViewTexts::Paper, m_paper);
    form->addRow(PlanViewTexts::Orientation, m_orientation);
    form->addRow(PlanViewTexts::Scale, m_scale);
    form->addRow(QString(), m_title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_verdict);
    layout->addWidget(m_fit, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // the verdict grows and shrinks with its words

    for (QComboBox* box : {m_paper, m_orientation, m_scale})
        connect(box, &QComboBox::currentIndexChanged, this, &CPlanSheetDialog::ShowVerdict);
    connect(m_title, &QCheckBox::toggled, this, &CPlanSheetDialog::ShowVerdict);
    ShowVerdict();
}

SheetChoice CPlanSheetDialog::Choice() const
{
    SheetChoice choice;
    choice.paper = PaperSize(m_paper->currentData().toInt());
    choice.landscape = m_orientation->currentData().toBool();
    choice.scale = m_scale->currentData().toInt();
    choice.titleBlock = m_title->isChecked();
    return choice;
}

void CPlanSheetDialog::SetChoice(const SheetChoice& choice)
{
    m_paper->setCurrentIndex(m_paper->findData(int(choice.paper)));
    m_orientation->setCurrentIndex(m_orientation->findData(choice.landscape));
    const int scale = m_scale->findData(choice.scale);
    m_scale->setCurrentIndex(scale >= 0 ? scale : m_scale->count() - 1);
    m_title->setChecked(choice.titleBlock);
}

QString CPlanSheetDialog::Verdict() const
{
    return m_verdict->text();
}

void CPlanSheetDialog::ShowVerdict()
{
    const SheetChoice choice = Choice();
    const SheetLayout layout = LayOutSheet(choice, m_bounds, m_metresPerUnit);
    const QSizeF map = layout.map.size();
    const ShownText& verdict = choice.scale == 0 ? PlanViewTexts::FittedAt
                               : layout.fits     ? PlanViewTexts::FitsAt
                                                 : PlanViewTexts::CutAt;
    m_verdict->setText(PlanViewTexts::OnSheet(verdict, ScaleText(layout.scale), layout.needed, map));
    m_fit->setVisible(!layout.fits);
}
