#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringView>

#include <optional>

// GBK (Windows code page 936) both ways: every file the program reads or writes, every line of
// the instrument and the drawings' text are in it. Qt converts GBK where it was built with ICU;
// a Windows build without ICU asks the system's code page 936 instead. A build that has neither
// answers nothing (nullopt) rather than text with its Chinese taken out.

// Whether this build can convert GBK at all.
bool GbkAvailable();
// Why a file was not written when it could not be: the reason a failed write names.
inline constexpr const char* NoGbkConverter = "this build has no GBK (code page 936) converter";

// Converts one text after another. Opening a converter costs more than converting a line, so a
// reader or writer of many lines keeps one. Stateless: nothing of one text reaches the next.
class CGbkCodec
{
public:
    CGbkCodec();

    // The GBK bytes of a text; a character GBK lacks becomes '?'.
    std::optional<QByteArray> Encode(QStringView text) const;
    // The text of GBK bytes, decoded as one whole: a byte that starts no character, and a
    // character cut off at the end, become U+FFFD.
    std::optional<QString> Decode(QByteArrayView bytes) const;
    // Whether GBK carries the character as it is (it comes back the same from its bytes).
    bool Holds(QStringView character) const;

private:
    mutable QStringEncoder m_encoder;
    mutable QStringDecoder m_decoder;
};

// One text with a converter of its own.
std::optional<QByteArray> ToGbk(QStringView text);
std::optional<QString> FromGbk(QByteArrayView bytes);
