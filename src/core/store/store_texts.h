#pragma once

#include "core/report/shown_text.h"

#include <QString>

namespace StoreTexts
{
// %1 is the engine's own description of what went wrong.
inline constexpr ShownText ConnectFailed = QT_TRANSLATE_NOOP("MERION", "Failed To Connect Database!\r\nError Message:%1");
// %1 says why: one of the reasons below.
inline constexpr ShownText ReadOnly = QT_TRANSLATE_NOOP("MERION", "The project database is read-only (%1): it can be shown and exported, but nothing can be changed.");
// %1 says why the journal cannot be read.
inline constexpr ShownText JournalUnreadable = QT_TRANSLATE_NOOP("MERION", "The latest changes of the project database lie in its journal file (-wal), which cannot be read here: %1. Nothing is shown rather than an older state.");
// The database file was deleted or replaced by another program while this one used it.
inline constexpr ShownText FileMoved = QT_TRANSLATE_NOOP("MERION", "The project database %1 was deleted or replaced while in use: nothing more is written to it. Everything this program saw of the project, its last changes included, is saved as %2.");
inline constexpr ShownText FileMovedNotSaved = QT_TRANSLATE_NOOP("MERION", "The project database %1 was deleted or replaced while in use: nothing more is written to it, and its contents could not be saved beside it: %2");
// A database whose tables lack columns the program reads (%2 is "table.column").
inline constexpr ShownText MissingColumn = QT_TRANSLATE_NOOP("MERION", "The project database %1 lacks the column %2: it was not made by this program or has been changed. It was not opened.");
inline constexpr ShownText FolderReadOnly = QT_TRANSLATE_NOOP("MERION", "its folder cannot be written");
inline constexpr ShownText FileReadOnly = QT_TRANSLATE_NOOP("MERION", "the file cannot be written");
inline constexpr ShownText MediumReadOnly = QT_TRANSLATE_NOOP("MERION", "it lies on a read-only medium");
inline constexpr ShownText NoSpaceLeft = QT_TRANSLATE_NOOP("MERION", "its disk is full");
inline constexpr ShownText DiskFull = QT_TRANSLATE_NOOP("MERION", "The disk holding the project database is full: nothing was changed. Free some space and try again.");
// A list is copied to discarded/ before it is emptied or replaced; %1 names its table, %2 the
// file and %3 why it could not be written.
inline constexpr ShownText NotDiscarded = QT_TRANSLATE_NOOP("MERION", "The list %1 could not be copied to %2 before being emptied (%3): nothing was changed.");
inline constexpr ShownText SeparateEngine = QT_TRANSLATE_NOOP("MERION", "The database driver carries a copy of SQLite of its own: the project is not touched, since two copies of the engine would undo each other's locks. Install the driver built against the program's SQLite library.");
}
