#include "gui/toolkit/modeless.h"

#include <QWidget>

void ShowModelessAt(QWidget* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->adjustSize();
    dialog->move(350, 250);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
