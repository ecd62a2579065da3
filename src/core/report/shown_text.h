#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <span>
#include <type_traits>

// A fixed text the user sees, kept as its source: the Chinese of the interface, or the English
// of the instrument-era messages. Where it is shown it becomes the installed translation's
// text; with no translation installed (merion-cli never installs one, so scripts read the same
// words in every locale) it is exactly its source. Sources stand marked
// QT_TRANSLATE_NOOP("MERION", "…") where they are declared, so lupdate finds every one; a text
// whose wording follows a count (%n) is marked QT_TRANSLATE_N_NOOP instead, so that its
// translation carries a form for each kind of number.
//
// The conversion happens where the text is shown, never at start-up: a namespace-scope
// QString made from a ShownText would be fixed before the translation is loaded.
class ShownText
{
public:
    constexpr ShownText(const char* source) : m_source(source) {}

    operator QString() const { return Text(); }
    QString Text() const { return QCoreApplication::translate("MERION", m_source); }

    // The text with its places %1, %2, … filled by the arguments in order, in one pass: a
    // name that itself holds "%2" is shown as it is, never filled in turn. Whole numbers are
    // written in plain digits; a fractional number must come formatted, with the precision
    // its reader needs.
    template <typename... Args>
    QString Arg(const Args&... arguments) const
    {
        static_assert(sizeof...(Args) > 0, "a text without places is shown by Text()");
        return Text().arg(Filling(arguments)...);
    }

    // A text that names a count as %n, in the translation's form for that number.
    QString Counted(int count) const { return QCoreApplication::translate("MERION", m_source, nullptr, count); }

    // The source itself, for a table that hands it to translation on its own.
    constexpr const char* Source() const { return m_source; }

private:
    template <typename T>
    static QString Filling(const T& value)
    {
        static_assert(!std::is_floating_point_v<T>, "format a fractional number before it fills a text");
        if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>)
            return QString::number(value);
        else
            return QString(value);
    }

    const char* m_source;
};

// The shown texts of a list of choices, in order.
inline QStringList ShownTexts(std::span<const ShownText> texts)
{
    QStringList shown;
    for (const ShownText& text : texts)
        shown << text.Text();
    return shown;
}
