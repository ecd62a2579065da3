#pragma once

#include <QString>

namespace StoreTexts
{
// %1 is the engine's own description of what went wrong.
inline QString ConnectFailed(const QString& detail)
{
    return QStringLiteral("Failed To Connect Database!\r\nError Message:%1").arg(detail);
}
inline const char* const NotEditable = "This record set cannot take new rows: it is not a plain query of one table.";
} // namespace StoreTexts
