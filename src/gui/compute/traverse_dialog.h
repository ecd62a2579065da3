#pragma once

#include "core/compute/setup.h"
#include "core/compute/traverse.h"

#include <QDialog>
#include <QStringList>

class CKnownSource;
class CProjectStore;
class QComboBox;
class QListWidget;

// Choosing a traverse's points in order from the job's setups and the known points, and the
// grade to hold it to.
class CTraverseDialog : public QDialog
{
    Q_OBJECT
public:
    CTraverseDialog(CProjectStore& store, QList<Setup> setups, QList<TraverseGrade> grades, QWidget* parent);

    QStringList Route() const;
    // The grade chosen; empty for the best grade the traverse meets.
    QString GradeName() const;
    const CKnownSource& Known() const { return *m_known; }

private:
    void ListCandidates();
    void Move(int by);

    CProjectStore& m_store;
    QList<Setup> m_setups;
    CKnownSource* m_known;
    QListWidget* m_candidates;
    QListWidget* m_route;
    QComboBox* m_grade;
};
