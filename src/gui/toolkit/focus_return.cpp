#include "gui/toolkit/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

CFocusReturn::CFocusReturn(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool CFocusReturn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
        return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !window->isWindow() || !window->isModal())
        return false;
    if (event->type() == QEvent::Show)
    {
        m_focusBefore.insert(window, QApplication::focusWidget());
        return false;
    }
    const QPointer<QWidget> before = m_focusBefore.take(window);
    // After the window system has had its say: only a focus that went nowhere is given back.
    QTimer::singleShot(0, this, [before] {
        if (!before || !before->isVisible() || QApplication::activeModalWidget())
            return;
        if (QApplication::activeWindow() && QApplication::focusWidget())
            return;
        before->window()->activateWindow();
        before->setFocus(Qt::ActiveWindowFocusReason);
    });
    return false;
}
