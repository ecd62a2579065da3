#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// A command's words after its name: positional words and "--name value" options.
struct ParsedArguments
{
    QStringList positional;
    QHash<QString, QString> options; // without the leading dashes
    QString error;                   // set when the words do not parse

    bool Has(const QString& option) const { return options.contains(option); }
    QString Value(const QString& option, const QString& fallback = {}) const { return options.value(option, fallback); }
};

// Every option takes a value; an option not in `allowed` is an error.
ParsedArguments ParseArguments(const QStringList& words, const QStringList& allowed);

// A whole number in [low, high], or nothing.
std::optional<int> ParseIntIn(const QString& text, int low, int high);
