#include "report/angle_text.h"

#include "core/compute/angles.h"

#include <cmath>

QString DmsText(double radians, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // Rounded once, in units of the last decimal, so 59.96″ never shows as 60.0″.
    const double units = std::round(std::abs(Angles::ToSeconds(radians)) * scale);
    const double secondsUnits = std::fmod(units, 60 * scale);
    const qint64 minutesTotal = qint64((units - secondsUnits) / (60 * scale) + 0.5);
    const qint64 degrees = minutesTotal / 60;
    const qint64 minutes = minutesTotal % 60;
    const QString seconds = QString::number(secondsUnits / scale, 'f', decimals);
    const int secondsWidth = decimals > 0 ? 3 + decimals : 2;
    return QStringLiteral("%1%2°%3′%4″")
        .arg(radians < 0 && units > 0 ? QStringLiteral("-") : QString())
        .arg(degrees)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, secondsWidth, QLatin1Char('0'));
}

QString SignedSecondsText(double radians, int decimals)
{
    const double seconds = Angles::ToSeconds(radians);
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(seconds * scale) / scale;
    if (rounded == 0)
        rounded = 0;
    return (rounded >= 0 ? QStringLiteral("+") : QString()) + QString::number(rounded, 'f', decimals) + QStringLiteral("″");
}
