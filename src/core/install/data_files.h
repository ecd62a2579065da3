#pragma once

#include <QString>

// Where a file that ships with the program (Help.pdf, translations/…) is found, given the folder
// of the executable: beside it (a build folder, a portable copy) or, installed, in the data folder
// the install rules chose relative to it (../share/merion). The path beside it when neither has it.
QString DataFilePathFrom(const QString& programFolder, const QString& relativePath);
