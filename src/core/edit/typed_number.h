#pragma once

#include <QString>

#include <optional>

// A number as a surveyor types it ("12", "-0.5", "1.2e3", blanks around allowed); nothing for
// empty text, words, "nan"/"inf" and anything else that is no plain decimal number.
std::optional<double> ParseNumber(const QString& text);
// A whole number such as a sequence number; nothing otherwise.
std::optional<qint64> ParseWholeNumber(const QString& text);
