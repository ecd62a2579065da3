#pragma once

#include <QStringList>

class QComboBox;

// Makes a drop-down list wide enough for texts it will only receive later (entries that
// appear when another choice changes), so they never show cut off.
void ReserveWidthFor(QComboBox* list, const QStringList& texts);
