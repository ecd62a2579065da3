#include "core/files/gbk_text.h"

#include <algorithm>

bool IsAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; });
}

namespace
{
bool IsAscii(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}
} // namespace

QByteArray EncodeGbk(QStringView text)
{
    if (IsAscii(text))
        return text.toLatin1();
    if (std::optional<QByteArray> bytes = ToGbk(text))
        return *bytes;
    QByteArray unknown;
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        unknown += text[i].unicode() < 0x80 ? static_cast<char>(text[i].unicode()) : '?';
    }
    return unknown;
}

QString DecodeGbk(QByteArrayView bytes)
{
    if (std::optional<QString> text = FromGbk(bytes))
        return *text;
    QString unknown;
    for (const char c : bytes)
        unknown += (static_cast<unsigned char>(c) & 0x80) ? QChar(QChar::ReplacementCharacter) : QLatin1Char(c);
    return unknown;
}

CTextFileWriter::CTextFileWriter(const QString& path) : m_file(path)
{
}

bool CTextFileWriter::Open()
{
    return m_file.Open();
}

void CTextFileWriter::WriteLine(QStringView line)
{
    if (IsAscii(line))
    {
        WriteLineBytes(line.toLatin1());
        return;
    }
    const std::optional<QByteArray> bytes = m_gbk.Encode(line);
    if (!bytes)
        m_noGbk = true;
    else
        WriteLineBytes(*bytes);
}

void CTextFileWriter::WriteLineBytes(QByteArrayView line)
{
    m_file.Write(line);
    m_file.Write("\r\n");
}

void CTextFileWriter::WriteUtf8Line(QByteArrayView line)
{
    // ASCII is the same in UTF-8 and GBK: most lines go out as they came from the store.
    if (IsAscii(line))
        WriteLineBytes(line);
    else
        WriteLine(QString::fromUtf8(line));
}

Outcome CTextFileWriter::Commit()
{
    if (m_noGbk)
    {
        m_file.Cancel();
        return {Status::WriteFailed, QString::fromLatin1(NoGbkConverter)};
    }
    return m_file.Commit();
}
