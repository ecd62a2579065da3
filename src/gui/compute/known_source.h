#pragma once

#include "core/compute/setup.h"
#include "core/report/outcome.h"

#include <QWidget>

class CProjectStore;
class QComboBox;
class QLineEdit;
class QPushButton;

// Where a computation takes its known points from: the job's own stations and backsights, the
// coordinate list, or a coordinate file.
class CKnownSource : public QWidget
{
    Q_OBJECT
public:
    explicit CKnownSource(QWidget* parent);

    // The known points chosen; the job's own control comes from `setups`.
    Outcome Read(CProjectStore& store, const QList<Setup>& setups, QList<KnownPoint>& known) const;
    // Starts from the coordinate list: an adjustment holds its known points fixed, and the job's
    // own station coordinates would hold every station.
    void PreferList();
    // Whether the choice names known points at all (the job's own coordinates do not correct anything).
    bool NamesKnownPoints() const;

signals:
    void Changed();

private:
    QComboBox* m_choice;
    QLineEdit* m_path;
    QPushButton* m_browse;
};
