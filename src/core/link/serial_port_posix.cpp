#ifndef _WIN32

#include "core/link/serial_port.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

struct CSerialPort::Impl
{
    int fd = -1;
};

namespace
{
constexpr int WriteByteTimeoutMs = 1000;

StreamError SystemError(int code)
{
    return {code, std::strerror(code), false};
}

// EIO is what a tty gives once its line is gone (the other end of a pseudo-terminal closed, a
// USB adapter pulled); ENXIO and ENODEV what a vanished device gives.
StreamError ErrorOfCall(int code)
{
    StreamError error = SystemError(code);
    error.hungUp = code == EIO || code == ENXIO || code == ENODEV;
    return error;
}

StreamError HangUpError()
{
    return StreamError::HangUp(EIO, std::strerror(EIO));
}

bool SpeedOf(unsigned baudRate, speed_t& speed)
{
    struct Rate
    {
        unsigned rate;
        speed_t speed;
    };
    static constexpr Rate rates[] = {
        {50, B50},         {75, B75},         {110, B110},       {134, B134},       {150, B150},
        {200, B200},       {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
        {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
        {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
    };
    for (const Rate& r : rates)
        if (r.rate == baudRate)
        {
            speed = r.speed;
            return true;
        }
    return false;
}

tcflag_t CharacterSize(std::uint8_t byteSize)
{
    switch (byteSize)
    {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
    }
}

// Raw bytes both ways with the four framing values. Software flow control must be off:
// DC1 and DC3 are the instrument's own handshake bytes and have to reach the program.
StreamError Configure(int fd, const LineFraming& framing)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return SystemError(errno);
    speed_t speed = B9600;
    if (!SpeedOf(framing.baudRate, speed))
        return SystemError(EINVAL);
    cfmakeraw(&settings);
    settings.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    settings.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    settings.c_cflag |= CLOCAL | CREAD | CharacterSize(framing.byteSize);
    if (framing.parity == 1)
        settings.c_cflag |= PARENB | PARODD;
    else if (framing.parity == 2)
        settings.c_cflag |= PARENB;
    // POSIX knows one or two stop bits; one and a half is opened as two.
    if (framing.stopBits == 1 || framing.stopBits == 2)
        settings.c_cflag |= CSTOPB;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0 ||
        tcsetattr(fd, TCSANOW, &settings) != 0)
        return SystemError(errno);
    return {};
}

// Sends one byte, waiting at most a second for room on the line.
StreamError WriteByte(int fd, char byte)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(WriteByteTimeoutMs);
    for (;;)
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd entry{fd, POLLOUT, 0};
        const int ready = poll(&entry, 1, int(std::max<long long>(left, 0)));
        if (ready < 0 && errno != EINTR)
            return ErrorOfCall(errno);
        if (ready > 0 && (entry.revents & (POLLHUP | POLLERR | POLLNVAL)))
            return HangUpError();
        if (ready > 0 && (entry.revents & POLLOUT))
        {
            if (::write(fd, &byte, 1) == 1)
                return {};
            if (errno != EAGAIN && errno != EINTR)
                return ErrorOfCall(errno);
        }
        if (Clock::now() >= deadline)
            return {}; // a byte the line would not take in time is dropped, as on Windows
    }
}
} // namespace

CSerialPort::CSerialPort() : m_impl(std::make_unique<Impl>())
{
}

CSerialPort::~CSerialPort()
{
    Close();
}

StreamError CSerialPort::Open(const std::string& device, const LineFraming& framing)
{
    if (m_impl->fd >= 0)
        return {};
    if (device.empty())
        return SystemError(ENOENT);

    // Never the controlling terminal (a hang-up must not end the program), never blocking.
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return SystemError(errno);
    // Exclusive use: TIOCEXCL keeps other users' programs off the line, the lock keeps off
    // every other opener that asks for it (including ourselves, and programs run as root).
    StreamError error;
    if (ioctl(fd, TIOCEXCL) != 0 || flock(fd, LOCK_EX | LOCK_NB) != 0)
        error = SystemError(errno);
    else
        error = Configure(fd, framing);
    if (error.IsError())
    {
        ioctl(fd, TIOCNXCL);
        ::close(fd);
        return error;
    }
    m_impl->fd = fd;
    return {};
}

void CSerialPort::Close()
{
    if (m_impl->fd < 0)
        return;
    // The exclusive flag belongs to the terminal, not to this descriptor: clear it so the next
    // opener (a pseudo-terminal outlives our use of it) is not refused.
    ioctl(m_impl->fd, TIOCNXCL);
    ::close(m_impl->fd);
    m_impl->fd = -1;
}

bool CSerialPort::IsOpen() const
{
    return m_impl->fd >= 0;
}

StreamRead CSerialPort::Read(char* buffer, std::size_t maximum)
{
    StreamRead result;
    if (m_impl->fd < 0)
    {
        result.error = SystemError(EBADF);
        return result;
    }
    if (!buffer || maximum == 0)
        return result;
    int queued = 0;
    if (ioctl(m_impl->fd, FIONREAD, &queued) != 0)
    {
        result.error = ErrorOfCall(errno);
        return result;
    }
    if (queued <= 0)
    {
        // Nothing waiting: a line that has gone says so now rather than after the silence.
        pollfd entry{m_impl->fd, POLLIN, 0};
        if (poll(&entry, 1, 0) > 0 && (entry.revents & (POLLHUP | POLLERR | POLLNVAL)))
            result.error = HangUpError();
        return result;
    }
    const ssize_t count = ::read(m_impl->fd, buffer, std::min(std::size_t(queued), maximum));
    if (count > 0)
        result.count = std::size_t(count);
    else if (count < 0 && errno != EAGAIN && errno != EINTR)
        result.error = ErrorOfCall(errno);
    return result;
}

StreamError CSerialPort::Write(const char* data, std::size_t length)
{
    if (m_impl->fd < 0)
        return SystemError(EBADF);
    for (std::size_t i = 0; i < length; ++i)
        if (StreamError error = WriteByte(m_impl->fd, data[i]); error.IsError())
            return error;
    return {};
}

void CSerialPort::Purge()
{
    if (m_impl->fd < 0)
        return;
    // What was written is the instrument's by now: the driver sends it before anything is
    // dropped (an upload's closing EOT among it). Only output the driver still holds after
    // that is dropped; a pseudo-terminal holds none of its own, and flushing its output would
    // throw away what the other end has not read yet.
    while (tcdrain(m_impl->fd) != 0 && errno == EINTR)
    {
    }
    if (tcflush(m_impl->fd, TCIFLUSH) != 0)
        return;
    int queued = 0;
    if (ioctl(m_impl->fd, TIOCOUTQ, &queued) == 0 && queued > 0)
        tcflush(m_impl->fd, TCOFLUSH);
}

#endif
