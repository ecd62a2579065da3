#pragma once

#include <QIcon>

// The program's icon, at every size it is drawn in; the windows and dialogs carry it.
QIcon ProgramIcon();
