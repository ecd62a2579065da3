#include "scripted_stream.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <cerrno>
#include <cstring>

void CScriptedStream::SendAt(qint64 atMs, const QByteArray& bytes)
{
    // Kept in time order; chunks of the same time keep their order.
    auto at = std::upper_bound(m_incoming.begin(), m_incoming.end(), atMs,
                               [](qint64 time, const Chunk& chunk) { return time < chunk.atMs; });
    m_incoming.insert(at, Chunk{atMs, bytes});
}

void CScriptedStream::HangUpAt(qint64 atMs)
{
    m_hangUpAt = atMs;
}

void CScriptedStream::RaiseAt(qint64 atMs, std::atomic<bool>* flag)
{
    m_flags.append({atMs, flag});
    RaiseFlags();
}

void CScriptedStream::Note(const char* what)
{
    m_events << QStringLiteral("%1@%2").arg(QLatin1String(what)).arg(m_now);
}

void CScriptedStream::RaiseFlags()
{
    for (const auto& [atMs, flag] : m_flags)
        if (m_now >= atMs)
            *flag = true;
}

StreamError CScriptedStream::Open(const std::string& device, const LineFraming& framing)
{
    if (m_open)
        return {};
    if (m_openError.IsError())
        return m_openError;
    m_open = true;
    m_device = device;
    m_framing = framing;
    Note("open");
    return {};
}

StreamRead CScriptedStream::Read(char* buffer, std::size_t maximum)
{
    StreamRead result;
    if (!m_open)
    {
        result.error = {EBADF, std::strerror(EBADF), false};
        return result;
    }
    while (result.count < maximum && !m_incoming.isEmpty() && m_incoming.first().atMs <= m_now)
    {
        QByteArray& bytes = m_incoming.first().bytes;
        const std::size_t take = std::min(maximum - result.count, std::size_t(bytes.size()));
        std::memcpy(buffer + result.count, bytes.constData(), take);
        result.count += take;
        bytes.remove(0, qsizetype(take));
        if (bytes.isEmpty())
            m_incoming.removeFirst();
    }
    // What arrived before the line went is still read; then the line says it has gone.
    if (result.count == 0 && HungUp())
        result.error = StreamError::HangUp(EIO, std::strerror(EIO));
    return result;
}

StreamError CScriptedStream::Write(const char* data, std::size_t length)
{
    if (!m_open)
        return {EBADF, std::strerror(EBADF), false};
    for (std::size_t i = 0; i < length; ++i)
    {
        if (HungUp())
            return StreamError::HangUp(EIO, std::strerror(EIO));
        m_written.append(data[i]);
        m_line.append(data[i]);
        if (data[i] == '\n')
        {
            const QByteArray line = std::exchange(m_line, {});
            if (m_answer)
                m_answer(*this, line);
        }
    }
    return {};
}

void CScriptedStream::Purge()
{
    // Only what has arrived is dropped; the instrument's later bytes still come.
    while (!m_incoming.isEmpty() && m_incoming.first().atMs <= m_now)
        m_incoming.removeFirst();
    Note("purge");
}

void CScriptedStream::Close()
{
    if (!m_open)
        return;
    m_open = false;
    Note("close");
}

void CScriptedStream::Sleep(int milliseconds)
{
    m_now += milliseconds;
    RaiseFlags();
    if (m_realPauses)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
