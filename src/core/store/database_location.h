#pragma once

#include <QString>

// Where the project database lives when no path is given: Adjustment.db beside the
// executable when that folder is writable, else the user's application-data folder.
QString DefaultDatabasePath();
