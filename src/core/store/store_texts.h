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
inline constexpr ShownText FolderReadOnly = QT_TRANSLATE_NOOP("MERION", "its folder cannot be written");
inline constexpr ShownText FileReadOnly = QT_TRANSLATE_NOOP("MERION", "the file cannot be written");
inline constexpr ShownText MediumReadOnly = QT_TRANSLATE_NOOP("MERION", "it lies on a read-only medium");
inline constexpr ShownText NoSpaceLeft = QT_TRANSLATE_NOOP("MERION", "its disk is full");
inline constexpr ShownText DiskFull = QT_TRANSLATE_NOOP("MERION", "The disk holding the project database is full: "
                                                                  "nothing was changed. Free some space and try again.");
inline const char* const NotEditable = "This record set cannot take new rows: it is not a plain query of one table.";
} // namespace StoreTexts
