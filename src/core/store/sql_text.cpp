#include "core/store/sql_text.h"

QString QuotedName(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QStringList QuotedNames(const QStringList& names)
{
    QStringList quoted;
    quoted.reserve(names.size());
    for (const QString& name : names)
        quoted << QuotedName(name);
    return quoted;
}

QString InsertInto(const QString& table, const QStringList& columns, int rows)
{
    const QString row = QLatin1Char('(') + QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
                        QLatin1Char(')');
    return QStringLiteral("insert into %1 (%2) values ")
               .arg(QuotedName(table), QuotedNames(columns).join(QLatin1Char(','))) +
           QStringList(rows, row).join(QLatin1Char(','));
}

QString Sql(const char* pattern, std::initializer_list<QString> names)
{
    QString text = QString::fromLatin1(pattern);
    // One pass over the pattern, so that nothing a name holds is ever taken for a %n.
    QString built;
    built.reserve(text.size() + 16);
    const QList<QString> list(names);
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size() && text.at(i + 1).isDigit())
        {
            const int number = text.at(i + 1).digitValue();
            if (number >= 1 && number <= list.size())
            {
                built += QuotedName(list.at(number - 1));
                ++i;
                continue;
            }
        }
        built += c;
    }
    return built;
}
