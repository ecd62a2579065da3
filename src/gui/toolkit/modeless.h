#pragma once

class QWidget;

// Tool dialogs open modeless, each command a new one, owned by the main window: they stay
// above it (a click on the maximised frame must not bury a running transfer) and leave it free
// to use. The first one's top-left corner sits at screen position (350, 250); a dialog opened
// while another sits there steps down and to the right instead of hiding it exactly. They
// delete themselves when closed.
void ShowModelessAt(QWidget* dialog, QWidget* owner);
