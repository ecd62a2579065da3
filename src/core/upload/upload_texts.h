#pragma once

#include "core/report/shown_text.h"

#include <QString>

// What an upload tells the user.
namespace UploadTexts
{
inline constexpr ShownText Complete = QT_TRANSLATE_NOOP("MERION", "Upload Complete!");
inline constexpr ShownText StoppedByInstrument = QT_TRANSLATE_NOOP("MERION", "Upload Timeout!");
inline constexpr ShownText WaitTimeout = QT_TRANSLATE_NOOP("MERION", "Wait Timeout");
// The line went away during an upload: how many lines reached the port whole.
inline QString Interrupted(int sent, int total)
{
    return QCoreApplication::translate("MERION", "Upload Interrupted! %1 of %2 lines sent.").arg(sent).arg(total);
}

// A row that cannot be sent as it stands. `row` counts from 1 in list order.
inline QString PointWithoutName(int row)
{
    return QCoreApplication::translate("MERION", "The point in row %1 has no name.\nNothing was uploaded.").arg(row);
}
inline QString PointWithoutValue(const QString& point, const QString& what)
{
    return QCoreApplication::translate("MERION", "Point %1 has no %2.\nNothing was uploaded.").arg(point, what);
}
inline QString ElementWithoutValue(int row, const QString& what)
{
    return QCoreApplication::translate("MERION", "The alignment element in row %1 has no %2.\nNothing was uploaded.")
        .arg(row)
        .arg(what);
}
} // namespace UploadTexts
