#include "gui/toolkit/dialog_parts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QDialogButtonBox* DialogButtons(QDialog& dialog, QDialogButtonBox::StandardButtons buttons)
{
    auto* box = new QDialogButtonBox(buttons, &dialog);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

QVBoxLayout* StackParts(QDialog& dialog, std::initializer_list<DialogPart> parts)
{
    auto* layout = new QVBoxLayout(&dialog);
    for (const DialogPart& part : parts)
    {
        if (QWidget* const* widget = std::get_if<QWidget*>(&part))
            layout->addWidget(*widget);
        else
            layout->addLayout(std::get<QLayout*>(part));
    }
    return layout;
}
