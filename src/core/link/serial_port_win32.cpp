#ifdef _WIN32

#include "core/link/serial_port.h"

#include <algorithm>
#include <string>

#include <windows.h>

// One COM port opened for overlapped input and output, as the instrument's drivers expect.
struct CSerialPort::Impl
{
    HANDLE handle = nullptr;
    OVERLAPPED readOverlapped{};
    OVERLAPPED writeOverlapped{};
};

namespace
{
StreamError SystemError(DWORD code)
{
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string words = length ? std::string(text, length) : "error " + std::to_string(code);
    if (text)
        LocalFree(text);
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' '))
        words.pop_back();
    return {int(code), words, false};
}

// A write that fails outright means the port has gone (a USB adapter pulled, the driver gone).
StreamError HangUpError(DWORD code)
{
    StreamError error = SystemError(code);
    error.hungUp = true;
    return error;
}

void CloseEvent(OVERLAPPED& overlapped)
{
    if (overlapped.hEvent)
        CloseHandle(overlapped.hEvent);
    overlapped.hEvent = nullptr;
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
    if (m_impl->handle)
        return {};
    // COM10 and above exist only under the device namespace; the prefix suits every port.
    const std::string name = device.rfind("\\\\.\\", 0) == 0 ? device : "\\\\.\\" + device;
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr)
        return SystemError(GetLastError());
    m_impl->readOverlapped = OVERLAPPED{};
    m_impl->writeOverlapped = OVERLAPPED{};

    // A read returns at once with what is queued; a write may take up to five seconds.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 5000;
    SetCommTimeouts(handle, &timeouts);

    m_impl->readOverlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_impl->writeOverlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);

    // Only the four framing values change; flow control and the rest stay as the driver has them.
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    GetCommState(handle, &dcb);
    dcb.BaudRate = framing.baudRate;
    dcb.ByteSize = framing.byteSize;
    dcb.Parity = framing.parity;
    dcb.StopBits = framing.stopBits;

    StreamError error;
    if (!SetCommState(handle, &dcb) || !SetupComm(handle, 10000, 10000))
        error = SystemError(GetLastError());
    else if (!m_impl->readOverlapped.hEvent || !m_impl->writeOverlapped.hEvent)
        error = SystemError(ERROR_NOT_ENOUGH_MEMORY);
    if (!error.IsError())
    {
        m_impl->handle = handle;
        return {};
    }
    CloseEvent(m_impl->readOverlapped);
    CloseEvent(m_impl->writeOverlapped);
    CloseHandle(handle);
    return error;
}

void CSerialPort::Close()
{
    if (!m_impl->handle)
        return;
    CloseEvent(m_impl->readOverlapped);
    CloseEvent(m_impl->writeOverlapped);
    CloseHandle(m_impl->handle);
    m_impl->handle = nullptr;
}

bool CSerialPort::IsOpen() const
{
    return m_impl->handle != nullptr;
}

StreamRead CSerialPort::Read(char* buffer, std::size_t maximum)
{
    StreamRead result;
    if (!m_impl->handle)
    {
        result.error = SystemError(ERROR_INVALID_HANDLE);
        return result;
    }
    if (!buffer || maximum == 0)
        return result;
    DWORD errors = 0;
    COMSTAT status{};
    // A line error is cleared and not reported; a port that has gone fails the call itself.
    if (!ClearCommError(m_impl->handle, &errors, &status))
    {
        result.error = HangUpError(GetLastError());
        return result;
    }
    if (status.cbInQue == 0)
        return result;
    const DWORD wanted = std::min<DWORD>(status.cbInQue, DWORD(std::min<std::size_t>(maximum, MAXDWORD)));
    DWORD count = 0;
    if (!ReadFile(m_impl->handle, buffer, wanted, &count, &m_impl->readOverlapped))
    {
        const DWORD code = GetLastError();
        if (code != ERROR_IO_PENDING)
        {
            result.error = HangUpError(code);
            return result;
        }
        if (WaitForSingleObject(m_impl->readOverlapped.hEvent, 2000) != WAIT_OBJECT_0)
            return result;
        if (!GetOverlappedResult(m_impl->handle, &m_impl->readOverlapped, &count, FALSE))
        {
            result.error = HangUpError(GetLastError());
            return result;
        }
    }
    result.count = count;
    return result;
}

StreamError CSerialPort::Write(const char* data, std::size_t length)
{
    if (!m_impl->handle)
        return SystemError(ERROR_INVALID_HANDLE);
    for (std::size_t i = 0; i < length; ++i)
    {
        DWORD written = 0;
        if (WriteFile(m_impl->handle, data + i, 1, &written, &m_impl->writeOverlapped))
            continue;
        const DWORD code = GetLastError();
        if (code != ERROR_IO_PENDING)
            return HangUpError(code);
        // A byte the line does not take within a second is dropped; a write the driver fails
        // means the port is gone.
        if (WaitForSingleObject(m_impl->writeOverlapped.hEvent, 1000) == WAIT_OBJECT_0 &&
            !GetOverlappedResult(m_impl->handle, &m_impl->writeOverlapped, &written, FALSE))
            return HangUpError(GetLastError());
    }
    return {};
}

void CSerialPort::Purge()
{
    if (!m_impl->handle)
        return;
    // What was written is the instrument's by now: the driver sends it before anything is
    // dropped (an upload's closing EOT among it), so the output purge finds nothing of it.
    FlushFileBuffers(m_impl->handle);
    if (PurgeComm(m_impl->handle, PURGE_RXCLEAR))
        PurgeComm(m_impl->handle, PURGE_TXCLEAR);
}

#endif
