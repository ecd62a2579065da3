// A console check of the serial port for Windows: opens the port named on the command line,
// writes a line, reads what comes back for a moment and reports the system's words for any
// failure. Built by scripts/check-mingw.sh; run it by hand on a Windows machine with a loop-back
// plug (pins 2 and 3 joined) or an instrument: serial_console COM3
#include "core/link/serial_port.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: serial_console COMn\n");
        return 2;
    }
    CSerialPort port;
    if (const StreamError error = port.Open(argv[1], {9600, 8, 0, 0}); error.IsError())
    {
        std::printf("open %s failed: %d %s\n", argv[1], error.code, error.text.c_str());
        return 1;
    }
    const std::string line = "P1,1.000,2.000,3.000,\r\n";
    if (const StreamError error = port.Write(line.data(), line.size()); error.IsError())
    {
        std::printf("write failed: %d %s%s\n", error.code, error.text.c_str(), error.hungUp ? " (hung up)" : "");
        return 1;
    }
    std::string received;
    for (int poll = 0; poll < 100; ++poll)
    {
        char buffer[128];
        const StreamRead read = port.Read(buffer, sizeof buffer);
        if (read.error.IsError())
        {
            std::printf("read failed: %d %s\n", read.error.code, read.error.text.c_str());
            return 1;
        }
        received.append(buffer, read.count);
        port.Sleep(10);
    }
    port.Purge();
    port.Close();
    std::printf("sent %zu bytes, received %zu bytes\n", line.size(), received.size());
    return 0;
}
