#pragma once

#include "core/geodesy/coordinate_system.h"

#include <QDialog>

class CSession;
class CSystemChoice;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "坐标转换": the system to convert the point list to, and whether the result replaces the
// list or goes to a CSV file (with the grid factors on request). OK holds only for a system
// PROJ knows and a file that may be written.
class CTransformDialog : public QDialog
{
    Q_OBJECT
public:
    CTransformDialog(CSession& session, const CoordinateSystem& from, QWidget* parent);

    CSystemChoice& Choice() const { return *m_choice; }
    const CoordinateSystem& Target() const { return m_target; }
    bool ToFile() const;
    QString Path() const;
    bool Factors() const;

    void accept() override;

private:
    void FollowOutput();

    CSession& m_session;
    CSystemChoice* m_choice;
    QRadioButton* m_replace;
    QRadioButton* m_toFile;
    QLineEdit* m_path;
    QPushButton* m_browse;
    QCheckBox* m_factors;
    CoordinateSystem m_target;
};
