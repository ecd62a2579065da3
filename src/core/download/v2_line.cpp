#include "core/download/v2_line.h"

#include <QStringView>

QString V2Line::Field(int i) const
{
    if (i == 0)
        return head;
    return i <= fields.size() ? fields[i - 1] : QString(QLatin1String(""));
}

std::optional<V2Line> ParseV2Line(QStringView text)
{
    const QStringView line = text.trimmed();
    qsizetype comma = line.indexOf(QLatin1Char(','));
    if (comma < 0)
        return std::nullopt;
    V2Line record;
    record.head = line.left(comma).toString();
    for (qsizetype next; (next = line.indexOf(QLatin1Char(','), comma + 1)) >= 0; comma = next)
        record.fields << line.mid(comma + 1, next - comma - 1).toString();
    return record;
}

QList<V2Line> SplitV2Lines(const QString& text)
{
    QList<V2Line> lines;
    const QLatin1String lineEnd("\r\n");
    for (qsizetype start = 0;;)
    {
        const qsizetype end = text.indexOf(lineEnd, start);
        if (end < 0)
            break;
        if (std::optional<V2Line> record = ParseV2Line(QStringView(text).mid(start, end - start)))
            lines << *record;
        start = end + lineEnd.size();
    }
    return lines;
}
