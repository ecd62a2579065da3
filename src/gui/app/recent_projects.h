#pragma once

#include <QStringList>

class QSettings;

// The project databases opened last, newest first, at most five, kept in the user's settings;
// a null settings object keeps none.
QStringList RecentProjects(const QSettings* settings);
void NoteRecentProject(QSettings* settings, const QString& databasePath);
