#pragma once

#include "core/report/reporter.h"

#include <QMessageBox>

#include <functional>

// A message box captioned "MERION" over `owner` (centred on it, kept above it). Qt sizes a box
// to its text, so a short message gave a box so narrow that a window manager cut the caption to
// "..." beside its icon and buttons: the box is kept wide enough for the whole caption.
QMessageBox* CreateMessageBox(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                              QWidget* owner);

// Shows messages and questions in message boxes captioned "MERION", over the window the user is
// working in (else the main window). A message from a worker thread is queued to the
// user-interface thread, in order, and the worker goes on; a question from a worker is refused.
class CMessageBoxReporter final : public IReporter
{
public:
    explicit CMessageBoxReporter(std::function<QWidget*()> mainWindow = {});

    void Message(const QString& text, MessageIcon icon) override;
    bool Confirm(const QString& question) override;

private:
    int Show(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) const;

    std::function<QWidget*()> m_mainWindow;
};
