#include "core/views/list_rows.h"

#include "core/store/engine_sql.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/views/data_kind.h"
#include "core/views/list_layout.h"

namespace
{
bool IsAsciiBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
} // namespace

QStringList IListRows::Texts(int columns)
{
    QStringList texts;
    texts.reserve(columns);
    for (int column = 0; column < columns; ++column)
        texts << Text(column);
    return texts;
}

QByteArrayView TrimmedCell(QByteArrayView utf8, QByteArray& buffer)
{
    qsizetype first = 0;
    qsizetype end = utf8.size();
    while (first < end && IsAsciiBlank(utf8[first]))
        ++first;
    while (end > first && IsAsciiBlank(utf8[end - 1]))
        --end;
    // Beyond ASCII, blanks (U+00A0, U+3000 …) are told apart by the decoded text.
    if (first < end && ((utf8[first] & 0x80) || (utf8[end - 1] & 0x80)))
    {
        buffer = QString::fromUtf8(utf8.sliced(first, end - first)).trimmed().toUtf8();
        return buffer;
    }
    return utf8.sliced(first, end - first);
}

QString ListSelectOf(DataKind kind, const QString& tail, bool withRowid)
{
    const QList<ListColumn>& layout = ListLayoutOf(kind);
    const QString table = TableOf(kind);
    if (layout.isEmpty() || table.isEmpty())
        return {};
    QStringList columns;
    for (const ListColumn& column : layout)
        columns << QuotedName(column.source);
    if (withRowid)
        columns << QuotedName(table) + QLatin1Char('.') + EngineSql::RowId();
    QString sql = QStringLiteral("select ") + columns.join(QLatin1Char(',')) + QStringLiteral(" from ") + QuotedName(table);
    if (!tail.isEmpty())
        sql += QLatin1Char(' ') + tail;
    return sql;
}

CListReader::CListReader(CProjectStore& store, DataKind kind, const ListCellOverlay* overlay)
    : m_overlay(overlay && !overlay->IsEmpty() ? overlay : nullptr)
{
    const QString order = ListOrderOf(kind);
    const QString sql = ListSelectOf(kind, order.isEmpty() ? QString() : QStringLiteral("order by ") + order);
    if (sql.isEmpty())
        return;
    m_query = std::make_unique<CStatement>(store, sql);
    for (const ListColumn& column : ListLayoutOf(kind))
        m_trimmed << column.trimmed;
    m_buffers.resize(m_trimmed.size());
}

CListReader::~CListReader() = default;

bool CListReader::Next()
{
    if (!m_query || !m_query->Next())
        return false;
    ++m_position;
    return true;
}

QByteArrayView CListReader::Cell(int column)
{
    if (column < 0 || column >= m_trimmed.size() || m_position < 0)
        return {};
    if (m_overlay && column == m_overlay->column)
    {
        const auto found = m_overlay->texts.constFind(m_position);
        if (found != m_overlay->texts.constEnd())
        {
            m_buffers[column] = found->toUtf8();
            return m_buffers[column];
        }
    }
    const QByteArrayView stored = m_query->Utf8(column);
    return m_trimmed[column] ? TrimmedCell(stored, m_buffers[column]) : stored;
}

bool CListReader::Failed() const
{
    return m_query && m_query->Failed();
}

bool CMemoryListRows::Next()
{
    if (++m_position >= m_rows.size())
        return false;
    m_cells.clear();
    for (const QString& cell : m_rows[m_position])
        m_cells << cell.toUtf8();
    return true;
}

QByteArrayView CMemoryListRows::Cell(int column)
{
    return column >= 0 && column < m_cells.size() ? QByteArrayView(m_cells[column]) : QByteArrayView();
}

QList<QStringList> ReadListRows(CProjectStore& store, DataKind kind)
{
    QList<QStringList> rows;
    CListReader reader(store, kind);
    while (reader.Next())
        rows << reader.Texts(reader.ColumnCount());
    return rows;
}

QStringList ListCaptionsOf(DataKind kind)
{
    QStringList captions;
    for (const ListColumn& column : ListLayoutOf(kind))
        captions << column.caption;
    return captions;
}
