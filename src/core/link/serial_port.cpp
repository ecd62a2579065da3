#include "core/link/serial_port.h"

#include <chrono>
#include <iterator>
#include <thread>

void CSerialPort::Sleep(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
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
