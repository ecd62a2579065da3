#pragma once

class QWidget;

// Keeps all of `window` within the available area of its screen (the primary one when it is on
// none): a window that would reach past an edge, as a layout saved under a window manager does
// when restored without one, is shrunk to the area where needed and centred in it.
void KeepWithinScreen(QWidget& window);
