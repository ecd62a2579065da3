#include "core/files/gbk_text.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace
{
bool IsAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; });
}

bool IsAscii(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}
} // namespace

QString DecodeFileText(const QByteArray& bytes)
{
    static const QByteArray utf8Mark("\xEF\xBB\xBF");
    if (bytes.startsWith(utf8Mark))
        return QString::fromUtf8(bytes.constData() + utf8Mark.size(), bytes.size() - utf8Mark.size());
    // GBK leaves the ASCII range as it is; most point lists never leave it, and skipping the
    // converter for them keeps a million-line import quick.
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

std::optional<QString> ReadTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeFileText(file.readAll());
}

QList<QStringView> SplitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size())
    {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        QStringView line = text.mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    return lines;
}

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
    return m_file.open(QIODevice::WriteOnly);
}

void CTextFileWriter::WriteLine(QStringView line)
{
    WriteLineBytes(EncodeGbk(line));
}

void CTextFileWriter::WriteLineBytes(QByteArrayView line)
{
    m_file.write(line.data(), line.size());
    m_file.write("\r\n", 2);
}

void CTextFileWriter::WriteUtf8Line(QByteArrayView line)
{
    // ASCII is the same in UTF-8 and GBK: most lines go out as they came from the store.
    if (IsAscii(line))
        WriteLineBytes(line);
    else
        WriteLine(QString::fromUtf8(line));
}

bool CTextFileWriter::Commit()
{
    return m_file.commit();
}
