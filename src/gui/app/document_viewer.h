#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// Starts a program with arguments, detached from this one; false when it could not start.
using ProgramLauncher = std::function<bool(const QString& program, const QStringList& arguments)>;

// The PDF viewers tried, in order, when the desktop itself names none: the desktop's own
// openers first (they know the user's choice), then the common viewers.
QStringList KnownViewers();

// Opens a local file with the first known viewer found in `searchPath` (the folders of PATH):
// false when none is there or none starts.
bool OpenWithKnownViewer(const QUrl& file, const QStringList& searchPath, const ProgramLauncher& launch);

// Opens a document as the desktop would (QDesktopServices), and when the desktop cannot (a
// system without xdg-open, a bare window manager) with a known viewer found on PATH.
bool OpenDocument(const QUrl& file);
