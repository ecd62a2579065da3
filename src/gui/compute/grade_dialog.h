#pragma once

#include "core/compute/traverse.h"
#include "core/report/outcome.h"

#include <QDialog>

class QTableWidget;

// The traverse grades the project holds a traverse to, one row each, strictest first: the user
// sees the limits that decide "pass" and changes them to the standard the job is held to.
class CGradeDialog : public QDialog
{
    Q_OBJECT
public:
    CGradeDialog(const QList<TraverseGrade>& grades, QWidget* parent);

    // The grades as the table holds them; InvalidNumber naming the column of the first cell
    // that holds no number (the cell is made current).
    Outcome Grades(QList<TraverseGrade>& grades) const;

private:
    void AddRow(const TraverseGrade& grade);
    void RemoveRow();

    QTableWidget* m_table;
};
