#pragma once

#include "arguments.h"
#include "core/download/v2_records.h"

#include <QString>

#include <optional>

// The --record option that chooses a T8 version 2 record kind: required where `applies` (the
// v2 instrument or data type), refused elsewhere. The kind on success, else the problem to report.
struct RecordOption
{
    std::optional<V2Record> record;
    QString problem;
};

inline RecordOption ParseRecordOption(const ParsedArguments& parsed, bool applies)
{
    const QString choices = V2RecordNames().join(QLatin1Char('|'));
    if (!applies)
        return {std::nullopt, parsed.Has(QStringLiteral("record")) ? QStringLiteral("--record applies to v2 only")
                                                                    : QString()};
    if (!parsed.Has(QStringLiteral("record")))
        return {std::nullopt, QStringLiteral("v2 needs --record ") + choices};
    const std::optional<V2Record> record = V2RecordFromName(parsed.Value(QStringLiteral("record")));
    if (!record)
        return {std::nullopt, QStringLiteral("--record must be ") + choices};
    return {record, {}};
}
