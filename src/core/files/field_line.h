#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// How the fields of one exported line are joined.
//
// A CSV file (RFC 4180) encloses a field that holds a comma, a double quote, a CR or an LF in
// double quotes, doubling the quotes inside; every other field stands as it is, so a file
// without such fields is the same byte for byte as an unquoted one.
//
// A file of fixed columns has no quoting: a field that holds a line break, or the separator
// inside its text, would move every column after it. Such a line is refused, never written.
class CFieldLine
{
public:
    CFieldLine(QByteArrayView separator, bool csv) : m_separator(separator.toByteArray()), m_csv(csv) {}

    void Clear() { m_line.clear(); m_any = false; m_broken.clear(); }
    void Add(QByteArrayView field);
    // The joined line (UTF-8 as the fields were).
    const QByteArray& Line() const { return m_line; }
    // A field of a fixed-column line that cannot be written; empty when the line is sound.
    const QByteArray& BrokenField() const { return m_broken; }

private:
    QByteArray m_separator;
    bool m_csv;
    QByteArray m_line;
    QByteArray m_broken;
    bool m_any = false;
};

// Whether a file name asks for CSV: its extension is "csv" in any case.
bool IsCsvPath(const QString& path);

// The fields joined as one CSV line, each quoted only where it needs it.
QString CsvLine(const QStringList& fields);
