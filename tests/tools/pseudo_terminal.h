#pragma once

#include <chrono>
#include <string>

// The instrument's end of the line: the master side of a pseudo-terminal whose slave side a
// program opens as its serial port.
class CPseudoTerminal
{
public:
    CPseudoTerminal();
    ~CPseudoTerminal();
    CPseudoTerminal(const CPseudoTerminal&) = delete;
    CPseudoTerminal& operator=(const CPseudoTerminal&) = delete;

    bool IsValid() const { return m_master >= 0; }
    const std::string& SlavePath() const { return m_slavePath; }

    // Waits until a program has opened the port and switched it to raw mode (before that
    // the terminal would echo and translate what we send). 0: no limit.
    bool WaitForPeer(long limitMs);
    // How the program has set the line up, e.g. "9600 baud, 1 stop bit".
    std::string Framing() const;
    // True once the program has closed the port again.
    bool PeerClosed();

    // Sends one byte, waiting for room; false when the program is gone.
    bool Send(unsigned char byte);
    // Up to `size` bytes that arrive within `waitMs`; 0 for none, -1 once the program has
    // closed the port and nothing is left to read.
    long Receive(unsigned char* buffer, long size, long waitMs);

private:
    int m_master = -1;
    std::string m_slavePath;
};

void SleepMs(long ms);
std::chrono::steady_clock::time_point Now();
