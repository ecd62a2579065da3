#include "core/files/gbk_text.h"

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
