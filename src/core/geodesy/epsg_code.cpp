// Reading a system's register code needs no PROJ: builds without it take the same words.
#include "core/geodesy/coordinate_system.h"

#include <QRegularExpression>

std::optional<int> EpsgCodeOf(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^EPSG:(\\d{1,9})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}
