#include "gui/compute/grade_dialog.h"

#include "gui/compute/compute_dialog_texts.h"
#include "gui/toolkit/dialog_parts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace
{
enum Column { Name, Stations, Angle, Relative, Length, ColumnCount };

const ShownText Headers[ColumnCount] = {ComputeDialogTexts::GradeName, ComputeDialogTexts::GradeStations,
                                         ComputeDialogTexts::GradeAngle, ComputeDialogTexts::GradeRelative,
                                         ComputeDialogTexts::GradeLength};

QString NumberText(double value)
{
    return QString::number(value, 'g', 12);
}
} // namespace

CGradeDialog::CGradeDialog(const QList<TraverseGrade>& grades, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("gradeDialog"));
    setWindowTitle(ComputeDialogTexts::GradesTitle);
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("gradeTable"));
    QStringList headers;
    for (const ShownText& header : Headers)
        headers << header.Text();
    m_table->setHorizontalHeaderLabels(headers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (const TraverseGrade& grade : grades)
        AddRow(grade);

    QDialogButtonBox* buttons = DialogButtons(*this);
    QPushButton* add = buttons->addButton(ComputeDialogTexts::AddGrade, QDialogButtonBox::ActionRole);
    QPushButton* remove = buttons->addButton(ComputeDialogTexts::RemoveGrade, QDialogButtonBox::ActionRole);
    add->setObjectName(QStringLiteral("addGrade"));
    remove->setObjectName(QStringLiteral("removeGrade"));
    connect(add, &QPushButton::clicked, this, [this] {
        AddRow({});
        m_table->setCurrentCell(m_table->rowCount() - 1, Name);
        m_table->editItem(m_table->currentItem());
    });
    connect(remove, &QPushButton::clicked, this, &CGradeDialog::RemoveRow);
    StackParts(*this, {m_table, buttons});
    resize(720, 380);
}

void CGradeDialog::AddRow(const TraverseGrade& grade)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    const QString texts[ColumnCount] = {grade.name, QString::number(grade.maxStations), NumberText(grade.angleSecondsPerRoot),
                                        NumberText(grade.relativeDenominator), NumberText(grade.maxLengthKm)};
    for (int column = 0; column < ColumnCount; ++column)
    {
        auto* item = new QTableWidgetItem(texts[column]);
        if (column != Name)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, column, item);
    }
}

void CGradeDialog::RemoveRow()
{
    if (m_table->currentRow() >= 0)
        m_table->removeRow(m_table->currentRow());
}

Outcome CGradeDialog::Grades(QList<TraverseGrade>& grades) const
{
    grades.clear();
    for (int row = 0; row < m_table->rowCount(); ++row)
    {
        double numbers[ColumnCount] = {};
        for (int column = Stations; column < ColumnCount; ++column)
        {
            const QTableWidgetItem* item = m_table->item(row, column);
            bool ok = false;
            numbers[column] = item ? item->text().trimmed().toDouble(&ok) : 0;
            if (!ok || (column == Stations && numbers[column] != std::floor(numbers[column])))
            {
                m_table->setCurrentCell(row, column);
                return Outcome::Invalid(Headers[column].Text());
            }
        }
        const QTableWidgetItem* name = m_table->item(row, Name);
        grades << TraverseGrade{name ? name->text().trimmed() : QString(), int(numbers[Stations]), numbers[Angle],
                                numbers[Relative], numbers[Length]};
    }
    return Status::Done;
}
