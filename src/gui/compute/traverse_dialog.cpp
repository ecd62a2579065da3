#include "gui/compute/traverse_dialog.h"

#include "gui/compute/compute_dialog_texts.h"
#include "gui/compute/known_source.h"
#include "gui/toolkit/dialog_parts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

namespace
{
constexpr int NameRole = Qt::UserRole;
} // namespace

CTraverseDialog::CTraverseDialog(CProjectStore& store, QList<Setup> setups, QList<TraverseGrade> grades, QWidget* parent)
    : QDialog(parent), m_store(store), m_setups(std::move(setups))
{
    setObjectName(QStringLiteral("traverseDialog"));
    setWindowTitle(ComputeDialogTexts::TraverseTitle);
    m_known = new CKnownSource(this);
    m_candidates = new QListWidget(this);
    m_candidates->setObjectName(QStringLiteral("candidates"));
    m_route = new QListWidget(this);
    m_route->setObjectName(QStringLiteral("route"));
    m_grade = new QComboBox(this);
    m_grade->setObjectName(QStringLiteral("grade"));
    m_grade->addItem(ComputeDialogTexts::BestGrade, QString());
    for (const TraverseGrade& grade : grades)
        m_grade->addItem(grade.name, grade.name);

    auto* add = new QPushButton(ComputeDialogTexts::AddPoint, this);
    add->setObjectName(QStringLiteral("addPoint"));
    auto* remove = new QPushButton(ComputeDialogTexts::RemovePoint, this);
    auto* up = new QPushButton(ComputeDialogTexts::MoveUp, this);
    auto* down = new QPushButton(ComputeDialogTexts::MoveDown, this);
    const auto addChosen = [this] {
        if (QListWidgetItem* item = m_candidates->currentItem())
        {
            auto* copy = new QListWidgetItem(item->data(NameRole).toString(), m_route);
            copy->setData(NameRole, item->data(NameRole));
        }
    };
    connect(add, &QPushButton::clicked, this, addChosen);
    connect(m_candidates, &QListWidget::itemDoubleClicked, this, addChosen);
    connect(remove, &QPushButton::clicked, this, [this] { delete m_route->currentItem(); });
    connect(up, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(down, &QPushButton::clicked, this, [this] { Move(1); });
    connect(m_known, &CKnownSource::Changed, this, &CTraverseDialog::ListCandidates);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    for (QPushButton* button : {add, remove, up, down})
        middle->addWidget(button);
    middle->addStretch();
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(ComputeDialogTexts::Candidates, this), 0, 0);
    lists->addWidget(new QLabel(ComputeDialogTexts::Route, this), 0, 2);
    lists->addWidget(m_candidates, 1, 0);
    lists->addLayout(middle, 1, 1);
    lists->addWidget(m_route, 1, 2);

    auto* form = new QFormLayout;
    form->addRow(ComputeDialogTexts::KnownFrom, m_known);
    form->addRow(ComputeDialogTexts::Grade, m_grade);
    StackParts(*this, {form, lists, DialogButtons(*this)});
    ListCandidates();
    resize(720, 480);
}

void CTraverseDialog::ListCandidates()
{
    QList<KnownPoint> known;
    m_known->Read(m_store, m_setups, known); // a file not (yet) readable lists the stations alone
    QSet<QString> knownNames;
    for (const KnownPoint& point : known)
        knownNames.insert(point.name);
    m_candidates->clear();
    QSet<QString> listed;
    const auto list = [&](const QString& name) {
        if (name.isEmpty() || listed.contains(name))
            return;
        listed.insert(name);
        const QString text = knownNames.contains(name) ? name + ComputeDialogTexts::KnownMark.Text() : name;
        auto* item = new QListWidgetItem(text, m_candidates);
        item->setData(NameRole, name);
    };
    for (const Setup& setup : m_setups)
        list(setup.station);
    for (const KnownPoint& point : known)
        list(point.name);
}

void CTraverseDialog::Move(int by)
{
    const int row = m_route->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_route->count())
        return;
    QListWidgetItem* item = m_route->takeItem(row);
    m_route->insertItem(to, item);
    m_route->setCurrentRow(to);
}

QStringList CTraverseDialog::Route() const
{
    QStringList names;
    for (int i = 0; i < m_route->count(); ++i)
        names << m_route->item(i)->data(NameRole).toString();
    return names;
}

QString CTraverseDialog::GradeName() const
{
    return m_grade->currentData().toString();
}
