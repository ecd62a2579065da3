#include "pseudo_terminal.h"

#include <cerrno>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

void SleepMs(long ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::chrono::steady_clock::time_point Now()
{
    return std::chrono::steady_clock::now();
}

CPseudoTerminal::CPseudoTerminal()
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        return;
    const char* name = nullptr;
    if (grantpt(master) != 0 || unlockpt(master) != 0 || !(name = ptsname(master)))
    {
        close(master);
        return;
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    m_master = master;
    m_slavePath = name;
}

CPseudoTerminal::~CPseudoTerminal()
{
    if (m_master >= 0)
        close(m_master);
}

bool CPseudoTerminal::WaitForPeer(long limitMs)
{
    const auto start = Now();
    for (;;)
    {
        // The master sees the terminal's modes: the program has opened the port once it
        // has turned off the line editing and echo that a fresh terminal starts with.
        termios modes{};
        pollfd entry{m_master, POLLIN, 0};
        poll(&entry, 1, 0);
        const bool open = !(entry.revents & POLLHUP);
        if (open && tcgetattr(m_master, &modes) == 0 && !(modes.c_lflag & (ICANON | ECHO)))
            return true;
        if (limitMs > 0 && Now() - start >= std::chrono::milliseconds(limitMs))
            return false;
        SleepMs(5);
    }
}

std::string CPseudoTerminal::Framing() const
{
    termios modes{};
    if (tcgetattr(m_master, &modes) != 0)
        return "unknown";
    struct Rate
    {
        speed_t speed;
        const char* text;
    };
    static constexpr Rate rates[] = {{B1200, "1200"},   {B2400, "2400"},   {B4800, "4800"},
                                     {B9600, "9600"},   {B19200, "19200"}, {B38400, "38400"},
                                     {B57600, "57600"}, {B115200, "115200"}};
    std::string rate = "other";
    for (const Rate& r : rates)
        if (cfgetospeed(&modes) == r.speed)
            rate = r.text;
    // A pseudo-terminal always carries 8 data bits without parity, whatever the program asks
    // for, so only the rate and the stop bits tell anything.
    return rate + " baud, " + ((modes.c_cflag & CSTOPB) ? "2 stop bits" : "1 stop bit");
}

bool CPseudoTerminal::PeerClosed()
{
    pollfd entry{m_master, 0, 0};
    poll(&entry, 1, 0);
    return entry.revents & POLLHUP;
}

bool CPseudoTerminal::Send(unsigned char byte)
{
    for (;;)
    {
        const ssize_t written = write(m_master, &byte, 1);
        if (written == 1)
            return true;
        if (errno != EAGAIN && errno != EINTR)
            return false;
        if (PeerClosed())
            return false;
        pollfd entry{m_master, POLLOUT, 0};
        poll(&entry, 1, 50);
    }
}

long CPseudoTerminal::Receive(unsigned char* buffer, long size, long waitMs)
{
    pollfd entry{m_master, POLLIN, 0};
    poll(&entry, 1, int(waitMs));
    const ssize_t count = read(m_master, buffer, size_t(size));
    if (count > 0)
        return long(count);
    if (count < 0 && errno == EAGAIN && !(entry.revents & POLLHUP))
        return 0;
    // EIO (or a hang-up with nothing left): the program closed the port.
    return (entry.revents & POLLHUP) || (count < 0 && errno == EIO) ? -1 : 0;
}
