#pragma once

#include "cli_options.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// Words on the command line after a command's name: positional words and the options given.
struct ParsedArguments
{
    QStringList positional;
    QHash<QString, QString> options; // without the leading dashes; a switch has an empty value
    QString error;                   // set when the words do not parse
    bool help = false;               // --help was given

    bool Has(const QString& option) const { return options.contains(option); }
    QString Value(const QString& option, const QString& fallback = {}) const { return options.value(option, fallback); }
};

// Parses `words` against `allowed` (--help is always allowed). "--name value" and "--name=value"
// are the same; an option not allowed, a missing or empty value is an error. A word with a single
// dash ("-", "-12.5") is a positional word, and so is everything after "--". With
// `stopAtPositional` the first positional word and all that follows are left unparsed in
// `positional` (the program's options stand before the command).
ParsedArguments ParseArguments(const QStringList& words, const QList<CliOption>& allowed,
                               bool stopAtPositional = false);

// A whole number in [low, high], or nothing.
std::optional<int> ParseIntIn(const QString& text, int low, int high);
