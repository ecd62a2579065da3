#include "core/text/gbk_conversion.h"

#include "core/text/gbk_codec.h"

#include <algorithm>

bool IsAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; });
}

bool IsAscii(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

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
