#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// What went wrong on a line, as the system said it: its error code (errno, GetLastError) and
// its own words. `hungUp` marks a line that went away (the cable pulled, the instrument off,
// the other end of a pseudo-terminal closed): nothing more will come or go on it.
struct StreamError
{
    int code = 0;
    std::string text;
    bool hungUp = false;

    bool IsError() const { return code != 0 || hungUp || !text.empty(); }
    static StreamError HangUp(int code, std::string text) { return {code, std::move(text), true}; }
};

// The four framing values of a serial line. Parity and stop bits are the device-control-block
// codes 0, 1, 2 (none/odd/even; one, one and a half, two).
struct LineFraming
{
    unsigned baudRate = 9600;
    std::uint8_t byteSize = 8;
    std::uint8_t parity = 0;
    std::uint8_t stopBits = 0;
};

struct StreamRead
{
    std::size_t count = 0; // bytes placed in the buffer
    StreamError error;
};

// A line to an instrument as a transfer sees it: open it, take what is waiting without
// waiting for more, write, drop what is queued, close, and pause between polls. The serial
// port is one; the tests script another whose pauses cost no time.
class IByteStream
{
public:
    virtual ~IByteStream() = default;

    // An open stream stays as it is and succeeds.
    virtual StreamError Open(const std::string& device, const LineFraming& framing) = 0;
    virtual bool IsOpen() const = 0;
    // At most `maximum` of the bytes already waiting; none when nothing is (not an error).
    virtual StreamRead Read(char* buffer, std::size_t maximum) = 0;
    // Every byte, each given a second to leave; a byte the line will not take in time is
    // dropped as the line's own business. A closed stream or a hang-up is an error.
    virtual StreamError Write(const char* data, std::size_t length) = 0;
    // Lets what was written leave first (an upload's closing EOT must reach the instrument),
    // then drops queued input and whatever output is still held.
    virtual void Purge() = 0;
    virtual void Close() = 0;
    // The pause between two polls of a transfer.
    virtual void Sleep(int milliseconds) = 0;
};

// Makes the line a transfer runs on: the serial port, or a scripted line in tests.
using StreamFactory = std::function<std::shared_ptr<IByteStream>()>;
