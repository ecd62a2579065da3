#include "core/download/number_text.h"

QString TrimLeadingZeros(const QString& text)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 0)
        return text;
    const QStringView integer = QStringView(text).left(point);
    const QStringView fraction = QStringView(text).mid(point + 1);
    qsizetype zeros = 0;
    while (zeros < integer.size() && integer[zeros] == QLatin1Char('0'))
        ++zeros;
    if (zeros == integer.size())
        return QStringLiteral("0.") + fraction.toString();
    return integer.mid(zeros).toString() + QLatin1Char('.') + fraction.toString();
}

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

// Blanks as C's number readers skip them: space, tab, line feed, vertical tab, form feed, CR.
qsizetype SkipBlanks(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && (text[at] == QLatin1Char(' ') || (text[at] >= QLatin1Char('\t') && text[at] <= QLatin1Char('\r'))))
        ++at;
    return at;
}

} // namespace

double LeadingNumber(QStringView text)
{
    qsizetype at = SkipBlanks(text);
    const qsizetype start = at;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
        ++at;
    const qsizetype integerEnd = SkipDigits(text, at);
    qsizetype digits = integerEnd - at;
    qsizetype end = integerEnd;
    if (end < text.size() && text[end] == QLatin1Char('.'))
    {
        const qsizetype fractionEnd = SkipDigits(text, end + 1);
        digits += fractionEnd - (end + 1);
        end = fractionEnd;
    }
    if (digits == 0)
        return 0.0;
    if (end < text.size() && (text[end] == QLatin1Char('e') || text[end] == QLatin1Char('E')))
    {
        qsizetype exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == QLatin1Char('+') || text[exponent] == QLatin1Char('-')))
            ++exponent;
        const qsizetype exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return text.mid(start, end - start).toString().toDouble();
}
QString HalfSecondsToDegrees(const QString& text)
{
    return QString::asprintf("%.4f", LeadingNumber(text) * 0.0001388888888888889);
}

qlonglong LeadingInteger(QStringView text)
{
    qsizetype at = SkipBlanks(text);
    const bool negative = at < text.size() && text[at] == QLatin1Char('-');
    if (at < text.size() && (text[at] == QLatin1Char('+') || negative))
        ++at;
    // Far beyond any code an instrument writes; stopping there keeps a long digit run harmless.
    constexpr qlonglong limit = 1'000'000'000'000LL;
    qlonglong value = 0;
    for (; at < text.size() && IsDigit(text[at]) && value < limit; ++at)
        value = value * 10 + (text[at].unicode() - '0');
    return negative ? -value : value;
}
