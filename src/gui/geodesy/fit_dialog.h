#pragma once

#include "core/geodesy/parameter_fit.h"

#include <QDialog>

#include <vector>

class CSession;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

// "转换参数": four or seven parameters fitted to the common points of a file, with each point's
// residual and their RMS; a point unticked is left out of the next fit. The parameters may be
// typed as well. "Apply" closes the dialog accepted: the caller transforms the list with
// Parameters().
class CFitDialog : public QDialog
{
    Q_OBJECT
public:
    CFitDialog(CSession& session, QWidget* parent);

    // Reads the common points and fits the chosen model to those ticked; a failure is told.
    void Fit();
    // The parameters as they stand in the fields (fitted, or typed).
    FitResult Parameters() const;

    QTableWidget& Residuals() const { return *m_residuals; }
    QString RmsText() const;

private:
    void FollowModel();
    void ShowFit(const FitResult& fit);
    QSet<QString> LeftOut() const;

    CSession& m_session;
    QRadioButton* m_similarity;
    QRadioButton* m_helmert;
    QLineEdit* m_file;
    QStackedWidget* m_fields;
    std::vector<QDoubleSpinBox*> m_similarityFields; // dN, dE, rotation ("), scale (ppm)
    std::vector<QDoubleSpinBox*> m_helmertFields;    // tx, ty, tz, rx, ry, rz ("), scale (ppm)
    QTableWidget* m_residuals;
    QLabel* m_rms;
    QString m_listedFile; // the file whose points the table lists
};
