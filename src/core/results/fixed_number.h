#pragma once

#include <QString>

#include <cmath>
#include <optional>

// A number with a fixed count of decimals, as results are stored and written; a value that
// rounds to nothing is written without a sign ("0.0", never "-0.0"). Absent: the empty text.
inline QString FixedNumber(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0)
        rounded = 0; // drops the sign of −0
    return QString::number(rounded, 'f', decimals);
}

inline QString FixedNumber(const std::optional<double>& value, int decimals)
{
    return value ? FixedNumber(*value, decimals) : QString();
}
