#pragma once

#include <QString>

namespace StoreTexts
{
// %1 is the engine's own description of what went wrong.
inline QString ConnectFailed(const QString& detail)
{
    return QStringLiteral("Failed To Connect Database!\r\nError Message:%1").arg(detail);
}
// %1 says why: one of the reasons below.
inline QString ReadOnly(const QString& reason)
{
    return QStringLiteral("The project database is read-only (%1): it can be shown and exported, "
                          "but nothing can be changed.")
        .arg(reason);
}
inline const QString FolderReadOnly = QStringLiteral("its folder cannot be written");
inline const QString FileReadOnly = QStringLiteral("the file cannot be written");
inline const QString MediumReadOnly = QStringLiteral("it lies on a read-only medium");
inline const QString NoSpaceLeft = QStringLiteral("its disk is full");
inline const QString DiskFull = QStringLiteral("The disk holding the project database is full: nothing was changed. "
                                               "Free some space and try again.");
inline const char* const NotEditable = "This record set cannot take new rows: it is not a plain query of one table.";
} // namespace StoreTexts
