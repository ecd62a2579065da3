#include "core/files/bulk_insert.h"

#include "core/report/reporter.h"
#include "core/store/project_store.h"

#include <QSqlError>
#include <QVariant>

namespace
{
constexpr int RowsPerStatement = 64;

// Qt binds a null string as no value; the tables keep the empty text.
QString BoundText(QStringView text)
{
    static const QString empty = QStringLiteral("");
    return text.isEmpty() ? empty : text.toString();
}

// "(:p0,:p1,…)" for the row at `row`. Named placeholders: Qt looks those up directly, where a
// positional bind builds a name for every value.
QString RowMarks(const QStringList& names, int row, int columns)
{
    return QLatin1Char('(') + names.mid(qsizetype(row) * columns, columns).join(QLatin1Char(',')) + QLatin1Char(')');
}
} // namespace

CBulkInsert::CBulkInsert(CProjectStore& store, const QString& table, const QStringList& columns)
    : m_store(store), m_batch(store.Database()), m_columns(int(columns.size()))
{
    QStringList quoted;
    for (const QString& column : columns)
        quoted << QLatin1Char('"') + column + QLatin1Char('"');
    m_head = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES ").arg(table, quoted.join(QLatin1Char(',')));
    for (int i = 0; i < RowsPerStatement * m_columns; ++i)
        m_names << QStringLiteral(":p%1").arg(i);
    QStringList rows;
    for (int row = 0; row < RowsPerStatement; ++row)
        rows << RowMarks(m_names, row, m_columns);
    if (!m_batch.prepare(m_head + rows.join(QLatin1Char(','))))
        Fail(m_batch);
}

bool CBulkInsert::Fail(const QSqlQuery& query)
{
    if (!m_failed)
        m_store.Reporter().Message(CProjectStore::Describe(query.lastError()));
    m_failed = true;
    return false;
}

bool CBulkInsert::Add(qlonglong id, std::initializer_list<QStringView> texts)
{
    return AddRow(id, texts);
}

bool CBulkInsert::Add(qlonglong id, const QStringList& texts)
{
    return AddRow(id, texts);
}

template <typename Texts> bool CBulkInsert::AddRow(qlonglong id, const Texts& texts)
{
    if (m_failed)
        return false;
    qsizetype at = qsizetype(m_waiting) * m_columns;
    m_batch.bindValue(m_names[at++], id);
    for (const auto& text : texts)
        m_batch.bindValue(m_names[at++], BoundText(text));
    if (++m_waiting < RowsPerStatement)
        return true;
    m_waiting = 0;
    return m_batch.exec() || Fail(m_batch);
}

bool CBulkInsert::Finish()
{
    if (m_failed)
        return false;
    if (m_waiting == 0)
        return true;
    // The last rows, fewer than a batch: one statement of just that many rows, with the values
    // already bound by name.
    QStringList rows;
    for (int row = 0; row < m_waiting; ++row)
        rows << RowMarks(m_names, row, m_columns);
    QSqlQuery rest(m_store.Database());
    if (!rest.prepare(m_head + rows.join(QLatin1Char(','))))
        return Fail(rest);
    const qsizetype count = qsizetype(m_waiting) * m_columns;
    for (qsizetype i = 0; i < count; ++i)
        rest.bindValue(m_names[i], m_batch.boundValue(m_names[i]));
    m_waiting = 0;
    return rest.exec() || Fail(rest);
}
