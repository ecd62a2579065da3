#include "arguments.h"

#include <QCommandLineParser>

namespace
{
const CliOption* Find(const QList<CliOption>& options, const QString& name)
{
    for (const CliOption& option : options)
        if (option.name == name)
            return &option;
    return nullptr;
}

QString NeedsValue(const QString& name)
{
    return QStringLiteral("option --%1 needs a value").arg(name);
}
} // namespace

ParsedArguments ParseArguments(const QStringList& words, const QList<CliOption>& allowed, bool stopAtPositional)
{
    QList<CliOption> options = allowed;
    if (!Find(options, CliOptions::Help.name))
        options << CliOptions::Help;

    // Qt's parser reads "-12.5" as short options; our values (negative coordinates, "-") must stay
    // values, so options go first and every positional word after "--", in their own order.
    ParsedArguments parsed;
    QStringList optionWords;
    for (qsizetype i = 0; i < words.size(); ++i)
    {
        const QString& word = words[i];
        if (word == QLatin1String("--"))
        {
            parsed.positional << words.mid(i + 1);
            break;
        }
        if (!word.startsWith(QLatin1String("--")))
        {
            if (stopAtPositional)
            {
                parsed.positional << words.mid(i);
                break;
            }
            parsed.positional << word;
            continue;
        }
        optionWords << word;
        if (word.contains(QLatin1Char('=')))
            continue;
        const CliOption* option = Find(options, word.mid(2));
        if (option && option->TakesValue())
        {
            if (i + 1 >= words.size())
            {
                parsed.error = NeedsValue(option->name);
                return parsed;
            }
            optionWords << words[++i];
        }
    }

    QCommandLineParser parser;
    for (const CliOption& option : options)
        parser.addOption(QCommandLineOption(option.name, option.description, option.valueName));
    if (!parser.parse(QStringList{QStringLiteral("merion-cli")} + optionWords))
    {
        const QStringList unknown = parser.unknownOptionNames();
        parsed.error = unknown.isEmpty() ? parser.errorText()
                                         : QStringLiteral("unknown option --%1").arg(unknown.first());
        return parsed;
    }
    for (const CliOption& option : options)
    {
        if (!parser.isSet(option.name))
            continue;
        if (option.TakesValue() && parser.values(option.name).contains(QString()))
        {
            parsed.error = NeedsValue(option.name);
            return parsed;
        }
        parsed.options.insert(option.name, parser.value(option.name));
    }
    parsed.help = parsed.options.remove(CliOptions::Help.name) > 0;
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
