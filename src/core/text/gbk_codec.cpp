#include "core/text/gbk_codec.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{
#ifdef _WIN32
constexpr UINT GbkCodePage = 936;

bool SystemHasGbk()
{
    CPINFO info;
    return GetCPInfo(GbkCodePage, &info) != 0;
}

std::optional<QByteArray> SystemToGbk(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(GbkCodePage, 0, wide, length, nullptr, 0, "?", nullptr);
    if (size <= 0)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    if (WideCharToMultiByte(GbkCodePage, 0, wide, length, bytes.data(), size, "?", nullptr) != size)
        return std::nullopt;
    return bytes;
}

std::optional<QString> SystemFromGbk(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(GbkCodePage, 0, bytes.data(), length, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    QString text(size, Qt::Uninitialized);
    if (MultiByteToWideChar(GbkCodePage, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(text.data()), size) != size)
        return std::nullopt;
    return text;
}

#endif

constexpr auto Stateless = QStringConverter::Flag::Stateless;
} // namespace

bool GbkAvailable()
{
    if (QStringEncoder("GBK").isValid())
        return true;
#ifdef _WIN32
    return SystemHasGbk();
#else
    return false;
#endif
}

CGbkCodec::CGbkCodec() : m_encoder("GBK", Stateless), m_decoder("GBK", Stateless)
{
}

std::optional<QByteArray> CGbkCodec::Encode(QStringView text) const
{
    if (m_encoder.isValid())
        return QByteArray(m_encoder.encode(text));
#ifdef _WIN32
    return SystemToGbk(text);
#else
    return std::nullopt;
#endif
}

std::optional<QString> CGbkCodec::Decode(QByteArrayView bytes) const
{
    // Both converters take a lead byte cut off at the end for nothing (Qt drops it, Windows
    // makes it '?'): it shows as U+FFFD instead, so no character vanishes unseen.
    qsizetype at = 0;
    while (at < bytes.size())
    {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        at += (byte >= 0x81 && byte <= 0xFE) ? 2 : 1;
    }
    const bool cutOff = at > bytes.size();
    if (cutOff)
        bytes.chop(1);
    std::optional<QString> text;
    if (m_decoder.isValid())
        text = QString(m_decoder.decode(bytes));
#ifdef _WIN32
    else
        text = SystemFromGbk(bytes);
#endif
    if (text && cutOff)
        *text += QChar(QChar::ReplacementCharacter);
    return text;
}

bool CGbkCodec::Holds(QStringView character) const
{
    const std::optional<QByteArray> bytes = Encode(character);
    if (!bytes)
        return false;
    const std::optional<QString> back = Decode(*bytes);
    return back && *back == character;
}

std::optional<QByteArray> ToGbk(QStringView text)
{
    return CGbkCodec().Encode(text);
}

std::optional<QString> FromGbk(QByteArrayView bytes)
{
    return CGbkCodec().Decode(bytes);
}
