#include "files/leading_number.h"

#include <QLocale>

namespace
{
bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype SkipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}
} // namespace

double LeadingNumber(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && (text[at] == QLatin1Char(' ') || (text[at] >= QLatin1Char('\t') && text[at] <= QLatin1Char('\r'))))
        ++at;
    const qsizetype start = at;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
        ++at;
    const qsizetype integerStart = at;
    at = SkipDigits(text, at);
    qsizetype digits = at - integerStart;
    if (at < text.size() && text[at] == QLatin1Char('.'))
    {
        const qsizetype fractionStart = at + 1;
        const qsizetype fractionEnd = SkipDigits(text, fractionStart);
        digits += fractionEnd - fractionStart;
        at = fractionEnd;
    }
    if (digits == 0)
        return 0.0;
    // An exponent counts only when digits follow it: "12e" reads as 12.
    if (at < text.size() && (text[at] == QLatin1Char('e') || text[at] == QLatin1Char('E')))
    {
        qsizetype exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == QLatin1Char('+') || text[exponent] == QLatin1Char('-')))
            ++exponent;
        const qsizetype exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            at = exponentEnd;
    }
    QStringView number = text.mid(start, at - start);
    if (number.startsWith(QLatin1Char('+')))
        number = number.mid(1);
    // "5." and ".5" are numbers to atof; the C locale's reader wants a digit on each side.
    QString normalised = number.toString();
    if (normalised.endsWith(QLatin1Char('.')))
        normalised.chop(1);
    const qsizetype point = normalised.indexOf(QLatin1Char('.'));
    if (point == 0 || (point == 1 && normalised.startsWith(QLatin1Char('-'))))
        normalised.insert(point, QLatin1Char('0'));
    bool ok = false;
    const double value = QLocale::c().toDouble(normalised, &ok);
    return ok ? value : 0.0;
}
