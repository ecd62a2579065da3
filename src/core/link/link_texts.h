#pragma once

#include <QString>

namespace LinkTexts
{
// %1 is the port number.
inline QString PortUnavailable(int port)
{
    return QStringLiteral("COM%1 doesn't exist or be\nopened by another program!").arg(port);
}
} // namespace LinkTexts
