#include "core/views/natural_order.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace
{
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

int Sign(qsizetype value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

// A stored text that reads as a number: some digit, and nothing but digits, a point, signs and
// exponent marks ("1e5", "-3.5", "1-2" too, which reads as its leading 1).
bool LooksNumeric(QByteArrayView text)
{
    bool digit = false;
    for (const char c : text)
    {
        if (IsDigit(c))
            digit = true;
        else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-')
            return false;
    }
    return digit;
}

// The value of the longest leading part of the text that is a number, 0 when none, as the
// engine reads a text as a number.
double LeadingValue(QByteArrayView text)
{
    if (text.startsWith('+'))
        text = text.sliced(1);
    double value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return text.startsWith('-') ? -HUGE_VAL : HUGE_VAL;
    return error == std::errc() ? value : 0;
}

int CompareBytes(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    if (const int differ = common > 0 ? std::memcmp(a.data(), b.data(), size_t(common)) : 0)
        return differ < 0 ? -1 : 1;
    return Sign(a.size() - b.size());
}
} // namespace

int CompareNaturally(QByteArrayView a, QByteArrayView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size())
    {
        if (IsDigit(a[i]) && IsDigit(b[j]))
        {
            // Two runs of digits: the one with more significant digits is larger, else the
            // first digit that differs decides. Leading zeros only count at the very end.
            while (i < a.size() && a[i] == '0')
                ++i;
            while (j < b.size() && b[j] == '0')
                ++j;
            qsizetype endA = i, endB = j;
            while (endA < a.size() && IsDigit(a[endA]))
                ++endA;
            while (endB < b.size() && IsDigit(b[endB]))
                ++endB;
            if (endA - i != endB - j)
                return Sign((endA - i) - (endB - j));
            if (const int differ = CompareBytes(a.sliced(i, endA - i), b.sliced(j, endB - j)))
                return differ;
            i = endA;
            j = endB;
            continue;
        }
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (const int shorter = Sign((a.size() - i) - (b.size() - j)))
        return shorter;
    return CompareBytes(a, b);
}

SortKey SortKeyOf(QByteArrayView utf8, bool storedAsNumber)
{
    qsizetype first = 0, last = utf8.size();
    while (first < last && IsBlank(utf8[first]))
        ++first;
    while (last > first && IsBlank(utf8[last - 1]))
        --last;
    SortKey key;
    key.text = utf8.sliced(first, last - first);
    key.isNumber = storedAsNumber || LooksNumeric(key.text);
    if (key.isNumber)
        key.number = LeadingValue(key.text);
    return key;
}

int CompareSortKeys(const SortKey& a, const SortKey& b)
{
    if (a.isNumber != b.isNumber)
        return a.isNumber ? -1 : 1;
    if (a.isNumber && a.number != b.number)
        return a.number < b.number ? -1 : 1;
    return CompareNaturally(a.text, b.text);
}
