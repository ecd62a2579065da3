#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <span>

// A fixed text the user sees, kept as its source: the Chinese of the interface, or the English
// of the instrument-era messages. Where it is shown it becomes the installed translation's
// text; with no translation installed (merion-cli never installs one, so scripts read the same
// words in every locale) it is exactly its source. Sources stand marked
// QT_TRANSLATE_NOOP("MERION", "…") where they are declared, so lupdate finds every one.
//
// The conversion happens where the text is shown, never at start-up: a namespace-scope
// QString made from a ShownText would be fixed before the translation is loaded.
class ShownText
{
public:
    constexpr ShownText(const char* source) : m_source(source) {}

    operator QString() const { return Text(); }
    QString Text() const { return QCoreApplication::translate("MERION", m_source); }

private:
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
