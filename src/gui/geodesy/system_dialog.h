#pragma once

#include <QDialog>

class CSession;
class CSystemChoice;

// "坐标系统": the coordinate system the project's points are in. OK stores the choice once
// PROJ knows it; an unknown system is refused with its reason and the dialog stays open.
class CSystemDialog : public QDialog
{
    Q_OBJECT
public:
    CSystemDialog(CSession& session, QWidget* parent);

    CSystemChoice& Choice() const { return *m_choice; }

    void accept() override;

private:
    CSession& m_session;
    CSystemChoice* m_choice;
};
