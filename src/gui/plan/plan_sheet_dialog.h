#pragma once

#include "core/plan/plan_data.h"
#include "core/plan/plan_sheet.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// Asks how a plan is printed to PDF: the paper and its way round, the scale (or the largest
// round scale at which the job fits) and whether a title block goes under the map. It tells
// at once how large the job comes out, and when it does not fit at the chosen scale that the
// sheet will show its middle, offering the fitting scale instead.
class CPlanSheetDialog : public QDialog
{
    Q_OBJECT
public:
    // `bounds` are the job's, in units of `metresPerUnit` ground metres.
    CPlanSheetDialog(const PlanBounds& bounds, double metresPerUnit, QWidget* parent = nullptr);

    SheetChoice Choice() const;
    void SetChoice(const SheetChoice& choice);
    // What the dialog says about the chosen sheet.
    QString Verdict() const;

private:
    void ShowVerdict();

    PlanBounds m_bounds;
    double m_metresPerUnit;
    QComboBox* m_paper;
    QComboBox* m_orientation;
    QComboBox* m_scale;
    QCheckBox* m_title;
    QLabel* m_verdict;
    QPushButton* m_fit;
};
