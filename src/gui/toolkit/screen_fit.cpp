#include "gui/toolkit/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void KeepWithinScreen(QWidget& window)
{
    // The frame counts: the title bar and borders a window system adds must fit too (they are
    // known once the window shows).
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    if (area.contains(frame))
        return;
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    QRect fitted(QPoint(), frame.size().boundedTo(area.size()));
    fitted.moveCenter(area.center());
    window.setGeometry(fitted.marginsRemoved(margins));
}
