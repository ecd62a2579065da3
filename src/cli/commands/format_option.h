#pragma once

#include "arguments.h"

#include <QString>

#include <optional>

// The --format option of the coordinate column formats: 1 to 8, default 1, meaningful only
// where `applies` (the coordinate list). The format on success, else the problem to report.
struct FormatOption
{
    int format = 1;
    QString problem;
};

inline FormatOption ParseFormatOption(const ParsedArguments& parsed, bool applies)
{
    if (!parsed.Has(QStringLiteral("format")))
        return {};
    if (!applies)
        return {1, QStringLiteral("--format applies to coor only")};
    const std::optional<int> chosen = ParseIntIn(parsed.Value(QStringLiteral("format")), 1, 8);
    if (!chosen)
        return {1, QStringLiteral("--format must be 1 to 8")};
    return {*chosen, {}};
}
