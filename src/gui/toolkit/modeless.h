#pragma once

class QWidget;

// Tool dialogs open modeless, each command a new one, with their top-left corner at screen
// position (350, 250); they delete themselves when closed.
void ShowModelessAt(QWidget* dialog);
