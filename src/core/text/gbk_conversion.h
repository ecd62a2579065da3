#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Whole texts to and from GBK, for the lines of files and of the instrument.

// Bytes that are all ASCII read the same in GBK and UTF-8: they need no converter.
bool IsAscii(QByteArrayView bytes);
bool IsAscii(QStringView text);

// The GBK bytes of a text (characters GBK lacks become '?'). Without a converter every
// character beyond ASCII becomes '?' too: the bytes never come out empty.
QByteArray EncodeGbk(QStringView text);
// The text of GBK bytes (a byte that starts no character becomes U+FFFD). Without a converter
// each byte beyond ASCII becomes U+FFFD: the ASCII around it is kept.
QString DecodeGbk(QByteArrayView bytes);
