#include "gui/toolkit/modeless.h"

#include "gui/toolkit/caption_width.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QWidget>

namespace
{
const QPoint FirstPlace(350, 250);
// About one title bar: each caption of a stack stays readable.
constexpr int CascadeStep = 28;

bool PlaceTaken(const QWidget* dialog, const QPoint& place)
{
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window != dialog && qobject_cast<const QDialog*>(window) && window->isVisible() && window->pos() == place)
            return true;
    return false;
}

QPoint FreePlace(const QWidget* dialog)
{
    const QScreen* screen = QGuiApplication::screenAt(FirstPlace);
    const QRect area = screen ? screen->availableGeometry() : QRect();
    QPoint place = FirstPlace;
    while (PlaceTaken(dialog, place))
    {
        const QPoint next = place + QPoint(CascadeStep, CascadeStep);
        // A stack that would run off the screen stops growing: better on top of another
        // dialog than out of reach.
        if (area.isValid() && !area.contains(QRect(next, dialog->size())))
            break;
        place = next;
    }
    return place;
}
} // namespace

void ShowModelessAt(QWidget* dialog, QWidget* owner)
{
    if (owner)
        dialog->setParent(owner->window(), dialog->windowFlags() | Qt::Dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A dialog's controls may need less room than its caption ("Communication Settings").
    dialog->setMinimumWidth(std::max(dialog->minimumWidth(), WidthForCaption(dialog->windowTitle())));
    dialog->adjustSize();
    dialog->move(FreePlace(dialog));
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
