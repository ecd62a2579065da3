#include "gui/app/document_viewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

QStringList KnownViewers()
{
    return {QStringLiteral("xdg-open"), QStringLiteral("gio"),      QStringLiteral("evince"),
            QStringLiteral("okular"),   QStringLiteral("qpdfview"), QStringLiteral("atril"),
            QStringLiteral("xreader"),  QStringLiteral("zathura"),  QStringLiteral("mupdf")};
}

bool OpenWithKnownViewer(const QUrl& file, const QStringList& searchPath, const ProgramLauncher& launch)
{
    const QString path = QDir::toNativeSeparators(file.toLocalFile());
    for (const QString& viewer : KnownViewers())
    {
        const QString program = QStandardPaths::findExecutable(viewer, searchPath);
        if (program.isEmpty())
            continue;
        // gio opens with the desktop's choice too, through its "open" command.
        const QStringList arguments = viewer == QLatin1String("gio") ? QStringList{QStringLiteral("open"), path}
                                                                     : QStringList{path};
        if (launch(program, arguments))
            return true;
    }
    return false;
}

bool OpenDocument(const QUrl& file)
{
    if (QDesktopServices::openUrl(file))
        return true;
    const QStringList searchPath = qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    return OpenWithKnownViewer(file, searchPath, [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    });
}
