#include "core/store/statement.h"

#include "core/store/schema.h"

namespace
{
bool IsIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Only the project's own tables that begin with a digit are quoted, so numbers and every
// other word of a statement stay as written.
QString QuoteWordIfNeeded(const QString& word)
{
    if (word.isEmpty() || !word.at(0).isDigit())
        return word;
    if (const Schema::Table* table = Schema::FindTable(word))
        return QLatin1Char('"') + table->name + QLatin1Char('"');
    return word;
}
} // namespace

QString AdaptStatement(const QString& sql)
{
    QString result;
    result.reserve(sql.size() + 8);
    int i = 0;
    const int n = int(sql.size());
    while (i < n)
    {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
        {
            // Copy a literal or quoted name as it stands; a doubled quote stays inside it.
            int j = i + 1;
            while (j < n)
            {
                if (sql.at(j) == c)
                {
                    if (j + 1 < n && sql.at(j + 1) == c)
                    {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            const int end = qMin(j + 1, n);
            result += QStringView(sql).mid(i, end - i);
            i = end;
        }
        else if (IsIdentifierChar(c))
        {
            int j = i;
            while (j < n && IsIdentifierChar(sql.at(j)))
                ++j;
            result += QuoteWordIfNeeded(sql.mid(i, j - i));
            i = j;
        }
        else
        {
            result += c;
            ++i;
        }
    }
    return result;
}

QString SqlText(const QString& value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}
