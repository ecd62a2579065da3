#include "arguments.h"

ParsedArguments ParseArguments(const QStringList& words, const QStringList& allowed)
{
    ParsedArguments parsed;
    for (qsizetype i = 0; i < words.size(); ++i)
    {
        const QString& word = words[i];
        // A lone "-" or a negative number ("-12.5") is a value, not an option.
        if (!word.startsWith(QLatin1String("--")))
        {
            parsed.positional << word;
            continue;
        }
        const QString name = word.mid(2);
        if (!allowed.contains(name))
        {
            parsed.error = QStringLiteral("unknown option %1").arg(word);
            return parsed;
        }
        if (i + 1 >= words.size())
        {
            parsed.error = QStringLiteral("option %1 needs a value").arg(word);
            return parsed;
        }
        parsed.options.insert(name, words[++i]);
    }
    return parsed;
}

std::optional<int> ParseIntIn(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}
