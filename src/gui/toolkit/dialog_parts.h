#pragma once

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include <initializer_list>
#include <variant>

class QDialog;
class QHBoxLayout;
class QPushButton;

// A dialog's row of buttons, wired to its accept and reject: the standard buttons given, and
// any added later with an accepting or rejecting role.
QDialogButtonBox* DialogButtons(QDialog& dialog,
                                QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok
                                                                            | QDialogButtonBox::Cancel);

// A row of the dialog's own buttons, kept together at its right-hand end in the order given.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

// One part of a dialog stacked by StackParts: a widget or a layout of widgets.
using DialogPart = std::variant<QWidget*, QLayout*>;

// The dialog's layout: its parts from top to bottom.
QVBoxLayout* StackParts(QDialog& dialog, std::initializer_list<DialogPart> parts);
