#include "core/edit/edit_outcome.h"

#include "core/edit/edit_texts.h"
#include "core/report/reporter.h"

#include <QRegularExpression>

#include <cmath>

QString MessageOf(const EditOutcome& outcome)
{
    switch (outcome.status)
    {
    case EditStatus::EmptyName:
        return EditTexts::NameEmpty;
    case EditStatus::NameExists:
        return EditTexts::NameExists;
    case EditStatus::InvalidNumber:
        return EditTexts::NotANumber(outcome.field);
    case EditStatus::Done:
    case EditStatus::Cancelled:
    case EditStatus::DatabaseError:
        break;
    }
    return {};
}

void ReportOutcome(IReporter& reporter, const EditOutcome& outcome)
{
    const QString text = MessageOf(outcome);
    if (!text.isEmpty())
        reporter.Message(text, MessageIcon::Exclamation);
}

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
