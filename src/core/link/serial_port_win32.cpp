#ifdef _WIN32

#include "core/link/serial_port.h"

#include <algorithm>
#include <mutex>

#include <windows.h>

// One COM port opened for overlapped input and output. As on POSIX, the handle is used only
// with the lock held, so a Close from another thread never leaves a reader or writer with a
// handle that the system may already have given to someone else.
struct CSerialPort::Impl
{
    std::mutex mutex;
    HANDLE handle = nullptr;
    OVERLAPPED readOverlapped{};
    OVERLAPPED writeOverlapped{};
    bool open = false;
};

namespace
{
void CloseEvent(OVERLAPPED& overlapped)
{
    if (overlapped.hEvent)
        CloseHandle(overlapped.hEvent);
    overlapped.hEvent = nullptr;
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
    if (m_impl->open)
        return true;
    HANDLE handle = CreateFileA(devicePath.toLocal8Bit().constData(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr)
        return false;
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
    dcb.BaudRate = baudRate;
    dcb.ByteSize = byteSize;
    dcb.Parity = parity;
    dcb.StopBits = stopBits;

    const bool stateSet = SetCommState(handle, &dcb) != 0;
    const bool queuesSet = SetupComm(handle, 10000, 10000) != 0;
    if (stateSet && queuesSet && m_impl->readOverlapped.hEvent && m_impl->writeOverlapped.hEvent)
    {
        m_impl->handle = handle;
        m_impl->open = true;
        return true;
    }
    CloseEvent(m_impl->readOverlapped);
    CloseEvent(m_impl->writeOverlapped);
    CloseHandle(handle);
    return false;
}

bool CSerialPort::Close()
{
    std::lock_guard lock(m_impl->mutex);
    if (m_impl->open && m_impl->handle)
    {
        CloseEvent(m_impl->readOverlapped);
        CloseEvent(m_impl->writeOverlapped);
        CloseHandle(m_impl->handle);
        m_impl->open = false;
        m_impl->handle = nullptr;
    }
    return true;
}

bool CSerialPort::IsOpen() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->open && m_impl->handle;
}

int CSerialPort::Read(char* buffer, int maximum)
{
    std::lock_guard lock(m_impl->mutex);
    if (!m_impl->open || !m_impl->handle || !buffer || maximum <= 0)
        return 0;
    DWORD errors = 0;
    COMSTAT status{};
    ClearCommError(m_impl->handle, &errors, &status);
    if (status.cbInQue == 0)
        return 0;
    const DWORD wanted = std::min<DWORD>(status.cbInQue, DWORD(maximum));
    DWORD count = 0;
    if (!ReadFile(m_impl->handle, buffer, wanted, &count, &m_impl->readOverlapped))
    {
        if (GetLastError() != ERROR_IO_PENDING)
            return 0;
        if (WaitForSingleObject(m_impl->readOverlapped.hEvent, 2000) != WAIT_OBJECT_0)
            return 0;
        if (!GetOverlappedResult(m_impl->handle, &m_impl->readOverlapped, &count, FALSE))
            return 0;
    }
    return int(count);
}

bool CSerialPort::WriteByte(char byte)
{
    // The lock is held for the whole wait, so a Close from another thread waits for at most
    // the one second that a byte may take.
    std::lock_guard lock(m_impl->mutex);
    if (!m_impl->open || !m_impl->handle)
        return true;
    DWORD written = 0;
    if (!WriteFile(m_impl->handle, &byte, 1, &written, &m_impl->writeOverlapped) && GetLastError() == ERROR_IO_PENDING)
    {
        if (WaitForSingleObject(m_impl->writeOverlapped.hEvent, 1000) == WAIT_OBJECT_0)
            GetOverlappedResult(m_impl->handle, &m_impl->writeOverlapped, &written, FALSE);
    }
    return true;
}

void CSerialPort::Purge()
{
    std::lock_guard lock(m_impl->mutex);
    if (!m_impl->handle)
        return;
    if (PurgeComm(m_impl->handle, PURGE_RXCLEAR))
        PurgeComm(m_impl->handle, PURGE_TXCLEAR);
}

#endif
