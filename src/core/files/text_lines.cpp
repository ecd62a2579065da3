#include "core/files/text_lines.h"

#include "core/files/gbk_text.h"

#include <algorithm>

namespace
{
constexpr qsizetype ChunkSize = 64 * 1024;
} // namespace

CTextLineReader::CTextLineReader(const QString& path) : m_file(path)
{
}

bool CTextLineReader::Open()
{
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    Fill();
    static const QByteArray utf8Mark("\xEF\xBB\xBF");
    if (m_chunk.startsWith(utf8Mark))
    {
        m_utf8 = true;
        m_at = utf8Mark.size();
    }
    return true;
}

bool CTextLineReader::Fill()
{
    if (m_binary)
        return false;
    m_chunk = m_file.read(ChunkSize);
    m_at = 0;
    if (m_chunk.contains('\0'))
    {
        m_binary = true;
        m_chunk.clear();
    }
    if (m_chunk.isEmpty())
        m_atEnd = true;
    return !m_atEnd;
}

bool CTextLineReader::Next(QByteArray& line)
{
    line.clear();
    if (m_tooLong)
        return false;
    bool any = false;
    while (true)
    {
        // A line that outgrows any text of records ends the reading at once, before it can
        // take the memory of a file of any size.
        if (line.size() > MaxLineBytes)
        {
            m_tooLong = m_lines + 1;
            line.clear();
            return false;
        }
        if (m_at >= m_chunk.size() && !Fill())
            break;
        // GBK's second bytes are never CR or LF, so a line end found in the bytes is one.
        if (m_afterCr)
        {
            m_afterCr = false;
            if (m_chunk[m_at] == '\n')
            {
                ++m_at;
                continue;
            }
        }
        const char* begin = m_chunk.constData() + m_at;
        const char* end = m_chunk.constData() + m_chunk.size();
        const char* stop = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
        line.append(begin, stop - begin);
        any = true;
        m_at += stop - begin;
        if (stop != end)
        {
            m_afterCr = *stop == '\r';
            ++m_at;
            if (line.size() > MaxLineBytes)
                continue; // refused above
            ++m_lines;
            Decode(line);
            return true;
        }
    }
    // A last line without a line end; nothing after a final line end.
    if (!any || line.isEmpty())
        return false;
    if (line.size() > MaxLineBytes)
    {
        m_tooLong = m_lines + 1;
        line.clear();
        return false;
    }
    ++m_lines;
    Decode(line);
    return true;
}

void CTextLineReader::Decode(QByteArray& line) const
{
    // ASCII is the same in GBK and UTF-8: most point lists never leave it.
    if (IsAscii(line))
        return;
    if (m_utf8)
    {
        line = QString::fromUtf8(line).toUtf8();
        return;
    }
    // Each line is decoded on its own. A lead byte with no second byte after it (a character cut
    // off at the end of the line or file) would be dropped by the decoder: it becomes U+FFFD.
    qsizetype i = 0;
    while (i < line.size())
        i += (static_cast<unsigned char>(line[i]) & 0x80) ? 2 : 1;
    const bool cutOff = i > line.size();
    const QByteArrayView whole = QByteArrayView(line).first(line.size() - (cutOff ? 1 : 0));
    // Without a converter each byte beyond ASCII shows as U+FFFD: the line and its ASCII
    // fields stay.
    const std::optional<QString> decoded = m_gbk.Decode(whole);
    QString text = decoded ? *decoded : DecodeGbk(whole);
    if (cutOff)
        text += QChar(QChar::ReplacementCharacter);
    line = text.toUtf8();
}

Status OpenText(CTextLineReader& reader)
{
    if (!reader.Open())
        return Status::FileNotReadable;
    return reader.LooksBinary() ? Status::NotText : Status::Done;
}
