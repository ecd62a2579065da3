#pragma once

#include <QString>

// How wide a window must be for a window manager to show its whole caption beside its icon and
// its three buttons; narrower, the caption is cut to "Commu… ettings".
int WidthForCaption(const QString& caption);
