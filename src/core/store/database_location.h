#pragma once

#include <QString>

// Where the project database lives when no path is given: an Adjustment.db that already sits
// beside the executable (a portable copy on a stick), else Adjustment.db in the user's
// application-data folder (created when missing), which merion and merion-cli share.
QString DefaultDatabasePath();
