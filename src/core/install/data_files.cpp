#include "core/install/data_files.h"

#include <QDir>
#include <QFileInfo>

#ifndef MERION_DATA_FROM_BIN
#define MERION_DATA_FROM_BIN "../share/merion"
#endif

QString DataFilePathFrom(const QString& programFolder, const QString& relativePath)
{
    const QDir program(programFolder);
    const QString beside = program.filePath(relativePath);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(program.filePath(QStringLiteral(MERION_DATA_FROM_BIN) + QLatin1Char('/') + relativePath));
    return QFileInfo::exists(installed) ? installed : beside;
}
