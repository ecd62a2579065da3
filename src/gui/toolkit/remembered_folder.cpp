#include "gui/toolkit/remembered_folder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace
{
QString KeyOf(const QString& purpose)
{
    return QStringLiteral("folders/") + purpose;
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
    const int result = dialog.exec();
    const QString chosen = dialog.selectedFiles().value(0);
    if (result == QDialog::Accepted && !chosen.isEmpty())
        RememberFolder(settings, purpose,
                       dialog.fileMode() == QFileDialog::Directory ? chosen : QFileInfo(chosen).absolutePath());
    return result;
}
