#include "core/edit/typed_number.h"

#include <QRegularExpression>

#include <cmath>

std::optional<double> ParseNumber(const QString& text)
{
    // Only plain decimals: what passes here may also stand bare in a statement.
    static const QRegularExpression pattern(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    const QString trimmed = text.trimmed();
    if (!pattern.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> ParseWholeNumber(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^[+-]?\d+$)"));
    const QString trimmed = text.trimmed();
    if (!pattern.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}
