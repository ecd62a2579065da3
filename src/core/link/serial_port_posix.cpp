#ifndef _WIN32

#include "core/link/serial_port.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <mutex>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

// The descriptor lives behind a mutex: a Close from the user-interface thread must never
// let a worker's Read or WriteByte reach a descriptor number that the system has already
// handed to some other file. Every use of the descriptor happens with the lock held, and no
// call made under the lock blocks for longer than one short poll slice.
struct CSerialPort::Impl
{
    std::mutex mutex;
    int fd = -1;
    std::uint64_t generation = 0; // counts opens, so a write never crosses into a later open
};

namespace
{
constexpr int WriteByteTimeoutMs = 1000;
constexpr int PollSliceMs = 20;

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
bool Configure(int fd, unsigned baudRate, std::uint8_t byteSize, std::uint8_t parity, std::uint8_t stopBits)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return false;
    speed_t speed = B9600;
    if (!SpeedOf(baudRate, speed))
        return false;
    cfmakeraw(&settings);
    settings.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    settings.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    settings.c_cflag |= CLOCAL | CREAD | CharacterSize(byteSize);
    if (parity == 1)
        settings.c_cflag |= PARENB | PARODD;
    else if (parity == 2)
        settings.c_cflag |= PARENB;
    // POSIX knows one or two stop bits; one and a half is opened as two.
    if (stopBits == 1 || stopBits == 2)
        settings.c_cflag |= CSTOPB;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0)
        return false;
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}
} // namespace

CSerialPort::CSerialPort() : m_impl(new Impl)
{
}

CSerialPort::~CSerialPort()
{
    Close();
    delete m_impl;
}

bool CSerialPort::OpenDevice(const QString& devicePath, unsigned baudRate, std::uint8_t byteSize, std::uint8_t parity,
                             std::uint8_t stopBits)
{
    std::lock_guard lock(m_impl->mutex);
    if (m_impl->fd >= 0)
        return true;
    if (devicePath.isEmpty())
        return false;

    // Never the controlling terminal (a hang-up must not end the program), never blocking.
    const int fd = ::open(QFile::encodeName(devicePath).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Exclusive use: TIOCEXCL keeps other users' programs off the line, the lock keeps off
    // every other opener that asks for it (including ourselves, and programs run as root).
    const bool ready = ioctl(fd, TIOCEXCL) == 0 && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                       Configure(fd, baudRate, byteSize, parity, stopBits);
    if (!ready)
    {
        ioctl(fd, TIOCNXCL);
        ::close(fd);
        return false;
    }
    m_impl->fd = fd;
    ++m_impl->generation;
    return true;
}

bool CSerialPort::Close()
{
    std::lock_guard lock(m_impl->mutex);
    if (m_impl->fd >= 0)
    {
        // The exclusive flag belongs to the terminal, not to this descriptor: clear it so the
        // next opener (a pseudo-terminal outlives our use of it) is not refused.
        ioctl(m_impl->fd, TIOCNXCL);
        ::close(m_impl->fd);
        m_impl->fd = -1;
    }
    return true;
}

bool CSerialPort::IsOpen() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->fd >= 0;
}

int CSerialPort::Read(char* buffer, int maximum)
{
    std::lock_guard lock(m_impl->mutex);
    if (m_impl->fd < 0 || !buffer || maximum <= 0)
        return 0;
    int queued = 0;
    if (ioctl(m_impl->fd, FIONREAD, &queued) != 0 || queued <= 0)
        return 0;
    const ssize_t count = ::read(m_impl->fd, buffer, size_t(std::min(queued, maximum)));
    return count > 0 ? int(count) : 0;
}

bool CSerialPort::WriteByte(char byte)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(WriteByteTimeoutMs);
    std::uint64_t generation = 0;
    {
        std::lock_guard lock(m_impl->mutex);
        if (m_impl->fd < 0)
            return true;
        generation = m_impl->generation;
    }
    // Wait for room in slices, letting go of the lock between them, so a Close never waits
    // for more than one slice.
    for (;;)
    {
        std::unique_lock lock(m_impl->mutex);
        if (m_impl->fd < 0 || m_impl->generation != generation)
            return true;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd entry{m_impl->fd, POLLOUT, 0};
        const int ready = poll(&entry, 1, int(std::clamp<long long>(left, 0, PollSliceMs)));
        if (ready > 0 && (entry.revents & POLLOUT))
        {
            const ssize_t written = ::write(m_impl->fd, &byte, 1);
            if (written == 1 || (errno != EAGAIN && errno != EINTR))
                return true;
        }
        else if (ready > 0 && (entry.revents & (POLLERR | POLLHUP | POLLNVAL)))
            return true;
        lock.unlock();
        if (Clock::now() >= deadline)
            return true; // a byte the line would not take in time is dropped, as on Windows
    }
}

void CSerialPort::Purge()
{
    std::lock_guard lock(m_impl->mutex);
    if (m_impl->fd < 0)
        return;
    if (tcflush(m_impl->fd, TCIFLUSH) == 0)
        tcflush(m_impl->fd, TCOFLUSH);
}

#endif
