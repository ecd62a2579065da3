#pragma once

#include <QString>

// Where a file that ships with the program (Help.pdf, translations/…) is found: beside the
// executable (a build folder, a portable copy) or, installed, in the data folder the install
// rules chose relative to it (../share/merion). The path beside the executable when neither has it.
QString DataFilePath(const QString& relativePath);

// The same lookup from a given program folder.
QString DataFilePathFrom(const QString& programFolder, const QString& relativePath);
