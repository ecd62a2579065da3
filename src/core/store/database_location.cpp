#include "core/store/database_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DefaultDatabasePath()
{
    const QString fileName = QStringLiteral("Adjustment.db");
    const QString portable = QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
    if (QFileInfo::exists(portable))
        return portable;
    // Named here rather than through the application's name, so that the program and merion-cli
    // meet in one folder whatever names each sets for itself (~/.local/share/merion,
    // %LOCALAPPDATA%/merion).
    const QString dataFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("merion"));
    QDir().mkpath(dataFolder);
    return QDir(dataFolder).filePath(fileName);
}
