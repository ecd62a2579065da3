#include "core/store/bulk_insert.h"

#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"

namespace
{
constexpr int RowsPerStatement = 64;

// Appends at most `limit` of a row's texts in UTF-8 to `waiting`; how many were given.
template <typename Texts, typename ToUtf8>
int TakeTexts(QList<QByteArray>& waiting, const Texts& texts, int limit, ToUtf8 toUtf8)
{
    int given = 0;
    for (const auto& text : texts)
    {
        if (given++ < limit)
            waiting << toUtf8(text);
    }
    return qMin(given, limit);
}
} // namespace

CBulkInsert::CBulkInsert(CProjectStore& store, const QString& table, const QStringList& columns)
    : m_store(store), m_table(table), m_names(columns), m_columns(int(columns.size()))
{
    m_batch = std::make_unique<CStatement>(store, InsertInto(m_table, m_names, RowsPerStatement));
    m_failed = !m_batch->IsValid();
    m_waiting.reserve(RowsPerStatement * (m_columns - 1));
}

CBulkInsert::CBulkInsert(CProjectStore& store, const QString& table)
    : CBulkInsert(store, table, Schema::FindTable(table)->ColumnNames())
{
}

CBulkInsert::~CBulkInsert() = default;

bool CBulkInsert::Add(qlonglong id, std::initializer_list<QByteArrayView> utf8)
{
    return !m_failed && Queued(id, TakeTexts(m_waiting, utf8, m_columns - 1, [](QByteArrayView text) {
                           return text.toByteArray();
                       }));
}

bool CBulkInsert::Add(qlonglong id, const QStringList& texts)
{
    return !m_failed &&
           Queued(id, TakeTexts(m_waiting, texts, m_columns - 1, [](const QString& text) { return text.toUtf8(); }));
}

bool CBulkInsert::Queued(qlonglong id, int given)
{
    // Texts not given are stored empty.
    for (; given < m_columns - 1; ++given)
        m_waiting << QByteArray();
    m_ids << id;
    if (m_ids.size() < RowsPerStatement)
        return true;
    return Store(*m_batch);
}

bool CBulkInsert::Store(CStatement& statement)
{
    int position = 1;
    qsizetype text = 0;
    for (const qlonglong rowId : m_ids)
    {
        statement.BindInteger(position++, rowId);
        for (int column = 1; column < m_columns; ++column)
            statement.BindText(position++, QByteArrayView(m_waiting[text++]));
    }
    m_ids.clear();
    m_waiting.clear();
    m_failed = !statement.Execute();
    return !m_failed;
}

bool CBulkInsert::Finish()
{
    if (m_failed)
        return false;
    if (m_ids.isEmpty())
        return true;
    // The last rows, fewer than a batch: one statement of just that many rows.
    CStatement rest(m_store, InsertInto(m_table, m_names, int(m_ids.size())));
    return Store(rest);
}

bool EmptyTables(CProjectStore& store, std::initializer_list<QString> tables)
{
    for (const QString& table : tables)
        if (!RunStatement(store, Sql("delete from %1", {table})))
            return false;
    return true;
}
