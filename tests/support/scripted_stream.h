#pragma once

#include "core/link/byte_stream.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <atomic>
#include <functional>

// A line to an instrument for the transfer tests, with a clock of its own: Sleep moves the
// clock on without waiting, so a transfer's 8 s of silence passes in a millisecond. What the
// instrument sends is scripted by time; what the program writes is recorded, and an answer
// (DC1, DC3) can be given to each line as it arrives.
//
//   CScriptedStream line;
//   line.SendAt(0, "P1,1,2,3\r\n\x04");
//   line.AnswerEachLine([](CScriptedStream& s, const QByteArray&) { s.SendAt(s.Now() + 30, "\x11"); });
//   line.HangUpAt(1500);
class CScriptedStream final : public IByteStream
{
public:
    using LineAnswer = std::function<void(CScriptedStream& stream, const QByteArray& line)>;

    void SendAt(qint64 atMs, const QByteArray& bytes);
    // From this time on the line is gone: reads and writes fail as a vanished port's do.
    void HangUpAt(qint64 atMs);
    void RefuseOpen(const StreamError& error) { m_openError = error; }
    void AnswerEachLine(LineAnswer answer) { m_answer = std::move(answer); }
    // Raises `flag` once the clock reaches `atMs` (a user pressing Cancel mid-transfer).
    void RaiseAt(qint64 atMs, std::atomic<bool>* flag);
    // Pauses also take their real time (for a window that should see a transfer running).
    void PauseForReal(bool real) { m_realPauses = real; }

    qint64 Now() const { return m_now; }
    QByteArray Written() const { return m_written; }
    // Open, purge, close, with the clock at each: "open@0", "purge@120", "close@120".
    QStringList Events() const { return m_events; }
    std::string Device() const { return m_device; }
    LineFraming Framing() const { return m_framing; }

    StreamError Open(const std::string& device, const LineFraming& framing) override;
    bool IsOpen() const override { return m_open; }
    StreamRead Read(char* buffer, std::size_t maximum) override;
    StreamError Write(const char* data, std::size_t length) override;
    void Purge() override;
    void Close() override;
    void Sleep(int milliseconds) override;

private:
    struct Chunk
    {
        qint64 atMs;
        QByteArray bytes;
    };
    bool HungUp() const { return m_hangUpAt >= 0 && m_now >= m_hangUpAt; }
    void Note(const char* what);
    void RaiseFlags();

    qint64 m_now = 0;
    qint64 m_hangUpAt = -1;
    QList<Chunk> m_incoming;
    QByteArray m_written;
    QByteArray m_line;
    QStringList m_events;
    LineAnswer m_answer;
    StreamError m_openError;
    QList<QPair<qint64, std::atomic<bool>*>> m_flags;
    bool m_open = false;
    bool m_realPauses = false;
    std::string m_device;
    LineFraming m_framing;
};
