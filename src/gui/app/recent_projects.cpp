#include "gui/app/recent_projects.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace
{
const QString RecentKey = QStringLiteral("projects/recent");
constexpr qsizetype MostRecent = 5;
} // namespace

QStringList RecentProjects(const QSettings* settings)
{
    return settings ? settings->value(RecentKey).toStringList().mid(0, MostRecent) : QStringList();
}

void NoteRecentProject(QSettings* settings, const QString& databasePath)
{
    if (!settings)
        return;
    const QString path = QDir::cleanPath(QFileInfo(databasePath).absoluteFilePath());
    QStringList recent = RecentProjects(settings);
    recent.removeAll(path);
    recent.prepend(path);
    settings->setValue(RecentKey, recent.mid(0, MostRecent));
}
