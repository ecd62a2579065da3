#include "gui/files/file_dialog_panel.h"

#include "gui/files/content_blind_listing.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>

QGridLayout* AddFileDialogPanel(QFileDialog* dialog)
{
    UseContentBlindListing(dialog);
    auto* panel = new QWidget(dialog);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    // Qt's own dialog lays itself out on a grid; the panel takes a new row across all of it.
    if (auto* layout = qobject_cast<QGridLayout*>(dialog->layout()))
        layout->addWidget(panel, layout->rowCount(), 0, 1, layout->columnCount());
    return grid;
}

void SuffixFromFileType(QFileDialog* dialog)
{
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        static const QRegularExpression extension(QStringLiteral(R"(\*\.(\w+))"));
        dialog->setDefaultSuffix(extension.match(filter).captured(1));
    });
}

QComboBox* AddPanelList(QGridLayout* panel, const QString& label, const QString& objectName,
                        const QStringList& entries)
{
    auto* list = new QComboBox(panel->parentWidget());
    list->setObjectName(objectName);
    RefillList(list, entries);
    auto* caption = new QLabel(label, panel->parentWidget());
    caption->setBuddy(list);
    const int row = panel->rowCount() == 1 && !panel->itemAtPosition(0, 0) ? 0 : panel->rowCount();
    panel->addWidget(caption, row, 0);
    panel->addWidget(list, row, 1);
    return list;
}

void RefillList(QComboBox* list, const QStringList& entries)
{
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(0);
}
