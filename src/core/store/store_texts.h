#pragma once

#include "core/report/shown_text.h"

#include <QString>

namespace StoreTexts
{
// %1 is the engine's own description of what went wrong.
inline QString ConnectFailed(const QString& detail)
{
    return QCoreApplication::translate("MERION", "Failed To Connect Database!\r\nError Message:%1").arg(detail);
}
// %1 says why: one of the reasons below.
inline QString ReadOnly(const QString& reason)
{
    return QCoreApplication::translate("MERION", "The project database is read-only (%1): it can be shown and "
                                                 "exported, but nothing can be changed.")
        .arg(reason);
}
// %1 says why the journal cannot be read.
inline QString JournalUnreadable(const QString& detail)
{
    return QCoreApplication::translate("MERION", "The latest changes of the project database lie in its journal file "
                                                 "(-wal), which cannot be read here: %1. Nothing is shown rather "
                                                 "than an older state.")
        .arg(detail);
}
// The database file was deleted or replaced by another program while this one used it.
inline QString FileMoved(const QString& path, const QString& savedAs)
{
    return QCoreApplication::translate("MERION", "The project database %1 was deleted or replaced while in use: "
                                                 "nothing more is written to it. Everything this program saw of "
                                                 "the project, its last changes included, is saved as %2.")
        .arg(path, savedAs);
}
inline QString FileMovedNotSaved(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("MERION", "The project database %1 was deleted or replaced while in use: "
                                                 "nothing more is written to it, and its contents could not be "
                                                 "saved beside it: %2")
        .arg(path, reason);
}
// A database whose tables lack columns the program reads (%2 is "table.column").
inline QString MissingColumn(const QString& path, const QString& column)
{
    return QCoreApplication::translate("MERION", "The project database %1 lacks the column %2: it was not made by "
                                                 "this program or has been changed. It was not opened.")
        .arg(path, column);
}
inline constexpr ShownText FolderReadOnly = QT_TRANSLATE_NOOP("MERION", "its folder cannot be written");
inline constexpr ShownText FileReadOnly = QT_TRANSLATE_NOOP("MERION", "the file cannot be written");
inline constexpr ShownText MediumReadOnly = QT_TRANSLATE_NOOP("MERION", "it lies on a read-only medium");
inline constexpr ShownText NoSpaceLeft = QT_TRANSLATE_NOOP("MERION", "its disk is full");
inline constexpr ShownText DiskFull = QT_TRANSLATE_NOOP("MERION", "The disk holding the project database is full: "
                                                                  "nothing was changed. Free some space and try again.");
// A list is copied to discarded/ before it is emptied or replaced; %1 names its table, %2 the
// file and %3 why it could not be written.
inline QString NotDiscarded(const QString& table, const QString& path, const QString& reason)
{
    return QCoreApplication::translate("MERION", "The list %1 could not be copied to %2 before being emptied (%3): "
                                                 "nothing was changed.")
        .arg(table, path, reason);
}
inline constexpr ShownText SeparateEngine =
    QT_TRANSLATE_NOOP("MERION", "The database driver carries a copy of SQLite of its own: the project is not touched, "
                                "since two copies of the engine would undo each other's locks. Install the driver "
                                "built against the program's SQLite library.");
} // namespace StoreTexts
