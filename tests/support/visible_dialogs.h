#pragma once

#include <QApplication>
#include <QList>
#include <QWidget>

// The shown top-level windows of one dialog class (GUI tests only: needs Qt Widgets).
template <class Dialog>
QList<Dialog*> VisibleDialogs()
{
    QList<Dialog*> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible())
            dialogs << dialog;
    return dialogs;
}
