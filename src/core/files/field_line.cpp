#include "core/files/field_line.h"

#include <QFileInfo>

namespace
{
bool NeedsQuotes(QByteArrayView field)
{
    for (const char c : field)
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    return false;
}

// A blank separator tolerates blanks around a field (a reader splits on runs of blanks), but
// not inside it.
bool BreaksColumns(QByteArrayView field, QByteArrayView separator)
{
    if (field.contains('\r') || field.contains('\n'))
        return true;
    if (separator == QByteArrayView(" "))
        return field.trimmed().contains(' ') || field.trimmed().contains('\t');
    return field.contains(separator);
}
} // namespace

void CFieldLine::Add(QByteArrayView field)
{
    if (m_any)
        m_line += m_separator;
    m_any = true;
    if (m_csv)
    {
        if (!NeedsQuotes(field))
        {
            m_line += field;
            return;
        }
        m_line += '"';
        for (const char c : field)
        {
            if (c == '"')
                m_line += '"';
            m_line += c;
        }
        m_line += '"';
        return;
    }
    if (m_broken.isEmpty() && BreaksColumns(field, m_separator))
        m_broken = field.toByteArray();
    m_line += field;
}

bool IsCsvPath(const QString& path)
{
    return QFileInfo(path).suffix().trimmed().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

QString CsvLine(const QStringList& fields)
{
    CFieldLine line(",", true);
    for (const QString& field : fields)
        line.Add(field.toUtf8());
    return QString::fromUtf8(line.Line());
}
