#include "core/link/serial_port.h"

#include <QFileInfo>

#include <iterator>

int CSerialPort::Write(const char* data, int length)
{
    if (!data || length <= 0 || !IsOpen())
        return 0;
    for (int i = 0; i < length; ++i)
        WriteByte(data[i]);
    return length;
}

QString CSerialPort::DevicePathForPort(int port)
{
#ifdef _WIN32
    return QStringLiteral("COM%1").arg(port);
#else
    const QByteArray configured = qgetenv(QStringLiteral("MERION_COM%1").arg(port).toLatin1().constData());
    if (!configured.isEmpty())
        return QString::fromLocal8Bit(configured);
    const QString usb = QStringLiteral("/dev/ttyUSB%1").arg(port - 1);
    if (QFileInfo::exists(usb))
        return usb;
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

bool CSerialPort::Open(int port, unsigned baudRate, std::uint8_t byteSize, std::uint8_t parity, std::uint8_t stopBits)
{
    return OpenDevice(DevicePathForPort(port), baudRate, byteSize, parity, stopBits);
}

unsigned BaudRateFromIndex(int index)
{
    static constexpr unsigned rates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    if (index < 0 || index >= int(std::size(rates)))
        return 9600;
    return rates[index];
}

std::uint8_t ByteSizeFromCode(int code)
{
    return code == 1 ? 7 : 8;
}

std::uint8_t DcbCodeFromIndex(int code)
{
    return (code == 1 || code == 2) ? std::uint8_t(code) : std::uint8_t(0);
}
