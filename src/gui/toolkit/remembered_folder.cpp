#include "gui/toolkit/remembered_folder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSettings>
#include <QTreeView>

namespace
{
const QString SizeKey = QStringLiteral("fileDialog/size");
// Qt's own 600 × 416 cuts the columns of the listing; this shows names, sizes and dates whole.
const QSize FirstSize(900, 560);

QString KeyOf(const QString& purpose)
{
    return QStringLiteral("folders/") + purpose;
}

// The size the user last gave a file dialog (else the first size), kept within the screen.
void SizeDialog(QFileDialog& dialog, const QSettings* settings)
{
    QSize size = settings ? settings->value(SizeKey, FirstSize).toSize() : FirstSize;
    if (!size.isValid())
        size = FirstSize;
    if (const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog.resize(size);
    // The name takes the room the other columns leave; they fit what they show.
    if (auto* listing = dialog.findChild<QTreeView*>(QStringLiteral("treeView")))
    {
        QHeaderView* header = listing->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}
} // namespace

QString RememberedFolder(const QSettings* settings, const QString& purpose)
{
    if (!settings)
        return {};
    const QString folder = settings->value(KeyOf(purpose)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void RememberFolder(QSettings* settings, const QString& purpose, const QString& folder)
{
    if (settings && !folder.isEmpty())
        settings->setValue(KeyOf(purpose), QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}

int ExecInRememberedFolder(QFileDialog& dialog, QSettings* settings, const QString& purpose)
{
    const QString start = RememberedFolder(settings, purpose);
    if (!start.isEmpty())
        dialog.setDirectory(start);
    SizeDialog(dialog, settings);
    const int result = dialog.exec();
    if (settings)
        settings->setValue(SizeKey, dialog.size());
    const QString chosen = dialog.selectedFiles().value(0);
    if (result == QDialog::Accepted && !chosen.isEmpty())
        RememberFolder(settings, purpose,
                       dialog.fileMode() == QFileDialog::Directory ? chosen : QFileInfo(chosen).absolutePath());
    return result;
}
