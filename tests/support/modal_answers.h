#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs `act` on the modal dialog of class Dialog as soon as a command has opened it (GUI
// tests only: needs Qt Widgets).
template <class Dialog>
void WhenShown(std::function<void(Dialog*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
        {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

// Types the file name into the dialog and presses its OK button.
inline void Choose(QFileDialog* dialog, const QString& path)
{
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(path);
    static_cast<QDialog*>(dialog)->accept(); // the file dialog checks the name as its OK button does
    QVERIFY(!dialog->isVisible());
}
