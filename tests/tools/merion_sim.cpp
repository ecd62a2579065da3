// merion-sim: plays a total station on a pseudo-terminal, for trying the program without an
// instrument and for the transfer tests. `merion-sim --help` explains it.

#include "pseudo_terminal.h"
#include "sim_options.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
constexpr unsigned char Eot = 0x04;
constexpr unsigned char Dc1 = 0x11;
constexpr unsigned char Dc3 = 0x13;

void Say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Tells how the program set the line up, and again whenever it changes that.
void ReportFraming(const CPseudoTerminal& terminal, std::string& last)
{
    const std::string framing = terminal.Framing();
    if (framing != last)
        Say("framing: " + framing);
    last = framing;
}

bool AwaitProgram(CPseudoTerminal& terminal, const SimOptions& options, std::string& framing)
{
    if (!terminal.WaitForPeer(options.waitMs))
    {
        Say("no program opened the port");
        return false;
    }
    Say("port opened");
    ReportFraming(terminal, framing);
    return true;
}

// Paces bytes at the baud rate: 10 bits a byte (start, 8 data, stop), measured from the first
// byte so that sleeping in whole milliseconds does not add up.
class CPacer
{
public:
    explicit CPacer(long baud) : m_baud(baud), m_start(Now()) {}
    void BeforeByte()
    {
        if (m_baud <= 0)
            return;
        const auto due = m_start + std::chrono::microseconds(m_sent * 10'000'000LL / m_baud);
        while (Now() < due)
            SleepMs(1);
        ++m_sent;
    }
    void Pause(long ms)
    {
        SleepMs(ms);
        m_start += std::chrono::milliseconds(ms);
    }

private:
    long m_baud;
    std::chrono::steady_clock::time_point m_start;
    long long m_sent = 0;
};

int RunSend(CPseudoTerminal& terminal, const SimOptions& options)
{
    std::ifstream file(options.file, std::ios::binary);
    if (!file)
    {
        std::fprintf(stderr, "merion-sim: cannot read %s\n", options.file.c_str());
        return 1;
    }
    const std::vector<unsigned char> data{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

    std::string framing;
    if (!AwaitProgram(terminal, options, framing))
        return 1;
    SleepMs(options.delayMs);
    Say("sending " + std::to_string(data.size()) + " bytes" +
        (options.baud > 0 ? " at " + std::to_string(options.baud) + " baud" : std::string()));

    CPacer pacer(options.baud);
    auto send = [&](unsigned char byte) {
        pacer.BeforeByte();
        return terminal.Send(byte);
    };
    bool ok = !options.leadingEot || send(Eot);
    for (size_t i = 0; ok && i <= data.size(); ++i)
    {
        if (options.pauseAfter >= 0 && i == size_t(options.pauseAfter))
        {
            Say("pausing " + std::to_string(options.pauseMs) + " ms after " + std::to_string(i) + " bytes");
            pacer.Pause(options.pauseMs);
        }
        if (options.hangUpAfter >= 0 && i == size_t(options.hangUpAfter))
        {
            // Long enough for the program to take what is on the line, then gone.
            SleepMs(150);
            Say("hanging up after " + std::to_string(i) + " bytes");
            return 1;
        }
        for (long at : options.nulAt)
            if (size_t(at) == i)
                ok = ok && send(0);
        if (ok && i < data.size())
            ok = send(data[i]);
    }
    if (ok && options.eot)
        ok = send(Eot);
    if (!ok)
    {
        Say("the port was closed before everything was sent");
        return 1;
    }
    Say(options.eot ? "sent, EOT" : "sent, no EOT");

    // Closing our side now would throw away what the program has not read yet.
    const auto start = Now();
    while (!terminal.PeerClosed() && Now() - start < std::chrono::milliseconds(options.lingerMs))
        SleepMs(10);
    Say("done");
    return 0;
}

std::string Printable(const std::string& line)
{
    std::string text;
    for (unsigned char c : line)
        if (c >= 0x20)
            text += char(c);
        else
        {
            // Appended piece by piece: GCC 12 at -O3 takes "<" + std::string for an overlapping copy.
            text += '<';
            text += std::to_string(int(c));
            text += '>';
        }
    return text;
}

int RunReceive(CPseudoTerminal& terminal, const SimOptions& options)
{
    std::ofstream out;
    if (!options.out.empty())
    {
        out.open(options.out, std::ios::binary | std::ios::trunc);
        if (!out)
        {
            std::fprintf(stderr, "merion-sim: cannot write %s\n", options.out.c_str());
            return 1;
        }
    }
    std::string framing;
    if (!AwaitProgram(terminal, options, framing))
        return 1;
    if (options.initialDc1)
    {
        terminal.Send(Dc1);
        Say("DC1 sent (ready)");
    }

    long lines = 0;
    std::string line;
    auto lastByte = Now();
    unsigned char buffer[256];
    for (;;)
    {
        const long count = terminal.Receive(buffer, sizeof buffer, 20);
        ReportFraming(terminal, framing);
        if (count < 0)
        {
            Say("the port was closed without EOT");
            return 1;
        }
        if (count == 0)
        {
            if (Now() - lastByte >= std::chrono::milliseconds(options.timeoutMs))
            {
                Say("time-out: nothing came for " + std::to_string(options.timeoutMs) + " ms");
                return 1;
            }
            continue;
        }
        lastByte = Now();
        if (out)
        {
            out.write(reinterpret_cast<const char*>(buffer), count);
            out.flush();
        }
        for (long i = 0; i < count; ++i)
        {
            const unsigned char byte = buffer[i];
            if (byte == Eot)
            {
                Say("EOT received after " + std::to_string(lines) + " lines");
                return 0;
            }
            line += char(byte);
            if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0)
                continue;
            ++lines;
            line.resize(line.size() - 2);
            if (options.hangUpAfterLines == lines)
            {
                Say("line " + std::to_string(lines) + ": " + Printable(line) + ", hanging up");
                return 1;
            }
            std::string answer;
            if (options.dc3After == lines)
                answer = ", DC3 sent", terminal.Send(Dc3);
            else if (options.dc1Each)
                answer = ", DC1 sent", terminal.Send(Dc1);
            Say("line " + std::to_string(lines) + ": " + Printable(line) + answer);
            line.clear();
        }
    }
}
} // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(argc, argv, options, error))
    {
        if (error.empty())
            std::fputs(SimUsage(), stderr);
        else
            std::fprintf(stderr, "merion-sim: %s\nTry merion-sim --help.\n", error.c_str());
        return 2;
    }
    if (options.mode == SimOptions::Mode::Help)
    {
        std::fputs(SimUsage(), stdout);
        return 0;
    }

    CPseudoTerminal terminal;
    if (!terminal.IsValid())
    {
        std::fprintf(stderr, "merion-sim: cannot open a pseudo-terminal\n");
        return 1;
    }
    Say(terminal.SlavePath());
    Say("waiting for a program to open " + terminal.SlavePath() + " (Ctrl+C ends)");
    return options.mode == SimOptions::Mode::Send ? RunSend(terminal, options) : RunReceive(terminal, options);
}
