#pragma once

#include <QString>

// The program's name, the same in every language: the caption of its message boxes.
inline const QString ProgramCaption = QStringLiteral("MERION");
