#pragma once

#include <QStringView>

// The decimal number at the start of a text, as C's atof reads it: leading blanks skipped,
// then an optional sign, digits with an optional decimal point and an optional exponent.
// 0 when the text does not start with a number ("", "abc", "-").
double LeadingNumber(QStringView text);
