#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

// Gives the keyboard focus back to the field that had it when a message box or another modal
// dialog closes. A window manager does that itself; without one (a kiosk, a remote session)
// the focus went nowhere and the keyboard did nothing until a click.
class CFocusReturn : public QObject
{
    Q_OBJECT
public:
    explicit CFocusReturn(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, QPointer<QWidget>> m_focusBefore;
};
