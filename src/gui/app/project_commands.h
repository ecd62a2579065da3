#pragma once

#include <QString>

#include <functional>

class CCommandActions;
class CSession;
class QMenu;
class QWidget;

// Switches the program to the project database at a path; false when it stayed where it was
// (the user kept the current project, or the other one could not be opened: told).
using ProjectOpener = std::function<bool(const QString& databasePath)>;

// File → New Project… asks for a new database's name, Open Project… for an existing one; both
// hand it to `open`.
void RegisterProjectCommands(CCommandActions& commands, CSession& session, QWidget& owner, ProjectOpener open);

// The submenu of the projects opened last (the current one left out), filled afresh each time
// it opens; choosing one hands it to `open`.
QMenu* CreateRecentProjectsMenu(CSession& session, QWidget* parent, ProjectOpener open);
