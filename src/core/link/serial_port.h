#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// One serial port (a COM port on Windows, a tty on Linux: a real port, a USB adapter or a
// pseudo-terminal). Opened at the start of a transfer with the four framing values, read
// without ever waiting for data, written byte by byte, purged and closed at the end.
// Safe to close from one thread while another reads or writes.
class CSerialPort
{
public:
    CSerialPort();
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens port number `port` (see DevicePathForPort). `parity` and `stopBits` are the
    // device-control-block codes 0, 1, 2. An open port stays as it is and gives true.
    bool Open(int port, unsigned baudRate, std::uint8_t byteSize, std::uint8_t parity, std::uint8_t stopBits);
    // The same for a device named by its path (the command line's --device).
    bool OpenDevice(const QString& devicePath, unsigned baudRate, std::uint8_t byteSize, std::uint8_t parity,
                    std::uint8_t stopBits);
    bool Close(); // always true
    bool IsOpen() const;

    // Takes at most `maximum` of the bytes already queued; 0 when none are or the port is closed.
    int Read(char* buffer, int maximum);
    // Sends every byte (WriteByte each); gives `length`, or 0 when closed or length <= 0.
    int Write(const char* data, int length);
    bool WriteByte(char byte); // waits at most 1000 ms for the byte; always true
    void Purge();              // drops queued input, then queued output

    // The device that port number n opens: COMn on Windows; elsewhere $MERION_COMn if set,
    // else /dev/ttyUSB(n-1) if it exists, else /dev/ttyS(n-1).
    static QString DevicePathForPort(int port);

private:
    struct Impl;
    Impl* m_impl;
};

// Translations of the stored settings codes into port values.
unsigned BaudRateFromIndex(int index);       // 0..7 → 1200 … 115200; anything else 9600
std::uint8_t ByteSizeFromCode(int code);     // 1 → 7; anything else 8
std::uint8_t DcbCodeFromIndex(int code);     // 0, 1, 2 as they are; anything else 0
