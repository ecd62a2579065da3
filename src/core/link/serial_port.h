#pragma once

#include "core/link/byte_stream.h"

#include <cstdint>
#include <memory>
#include <string>

// One serial port (a COM port on Windows, a tty elsewhere: a real port, a USB adapter or a
// pseudo-terminal), used by one transfer at a time from one thread: the transfer's worker
// owns it from open to close. Reads never wait for data; writes go out byte by byte. Only
// the standard library and the system's own interface, so every compiler of the platform
// builds it.
class CSerialPort final : public IByteStream
{
public:
    CSerialPort();
    ~CSerialPort() override; // closes the port
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // `device` is COMn on Windows, a path elsewhere. Open also refuses a port that another
    // program (or another transfer of this one) holds.
    StreamError Open(const std::string& device, const LineFraming& framing) override;
    bool IsOpen() const override;
    StreamRead Read(char* buffer, std::size_t maximum) override;
    StreamError Write(const char* data, std::size_t length) override;
    void Purge() override;
    void Close() override;
    void Sleep(int milliseconds) override;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// Translations of the stored settings codes into port values.
unsigned BaudRateFromIndex(int index);   // 0..7 → 1200 … 115200; anything else 9600
std::uint8_t ByteSizeFromCode(int code); // 1 → 7; anything else 8
std::uint8_t DcbCodeFromIndex(int code); // 0, 1, 2 as they are; anything else 0
