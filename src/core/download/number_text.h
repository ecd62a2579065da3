#pragma once

#include <QString>
#include <QStringView>

// "0012.345" → "12.345", "000.5" and ".5" → "0.5". Only a text with a "." whose integer part
// starts with "0" changes: "-012.5" and "0012" stay as they are.
QString TrimLeadingZeros(const QString& text);

// A job file's angle counts half arc-seconds; the table keeps decimal degrees with four
// decimals ("648000" → "90.0000"). Reads the longest number at the start of the text, after
// blanks; a text that starts with no number counts as 0.
QString HalfSecondsToDegrees(const QString& text);

// The leading decimal number of a text, as C's strtod reads one (without its hexadecimal,
// infinity and NaN forms, which no instrument writes); 0 when the text starts with no number.
double LeadingNumber(QStringView text);

// The leading integer of a text, as C's atoi reads one: blanks skipped, an optional sign, the
// decimal digits that follow; 0 when the text starts with no digits.
qlonglong LeadingInteger(QStringView text);
