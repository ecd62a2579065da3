#pragma once

#include <QString>

#include "core/link/byte_stream.h"
#include "core/report/outcome.h"

class CProjectStore;

// The one row of COMConfig: the serial settings as the codes the settings dialog stores.
struct ComConfig
{
    int comPort = 1;   // 1..6
    int baudRate = 3;  // index: 0 = 1200 … 3 = 9600 … 7 = 115200
    int protocol = 0;  // 0 None, 1 ACK/NAK (recorded only)
    int dataBit = 0;   // 0 = 8 bits, 1 = 7 bits
    int stopBit = 0;   // 0 = 1, 1 = 1.5, 2 = 2
    int parityBit = 0; // 0 none, 1 odd, 2 even
    bool operator==(const ComConfig&) const = default;
};

// The stored settings; the defaults above when the table has no row. A database error is
// reported by the store and also gives the defaults, with the status DatabaseError.
Produced<ComConfig> ReadComConfig(CProjectStore& store);

// Replaces the row in one transaction: after a failure (DatabaseError, told by the store) the
// old row is still there.
Outcome SaveComConfig(CProjectStore& store, const ComConfig& config);

// The device that port number n opens: COMn on Windows; elsewhere $MERION_COMn if set,
// else /dev/ttyUSB(n-1) if it exists, else /dev/ttyS(n-1).
QString DevicePathForPort(int port);

// The framing the settings give.
LineFraming FramingOf(const ComConfig& config);

// Opens the port the settings name (or `devicePath` when it is not empty) with their framing.
StreamError OpenPort(IByteStream& port, const ComConfig& config, const QString& devicePath = {});
