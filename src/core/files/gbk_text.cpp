#include "core/files/gbk_text.h"

#include <QStringEncoder>

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
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
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
    WriteLineBytes(EncodeGbk(line));
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
    return m_file.Commit();
}
