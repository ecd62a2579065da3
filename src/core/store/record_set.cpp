#include "core/store/record_set.h"

#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "core/store/store_texts.h"

#include <QRegularExpression>
#include <QSqlError>

namespace
{
// "select * from Table ..." names the table that AddNew writes to.
QString TableOfQuery(const QString& sql)
{
    static const QRegularExpression pattern(QStringLiteral(R"re(^\s*select\s+\*\s+from\s+"?([A-Za-z0-9_]+)"?)re"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(sql);
    return match.hasMatch() ? match.captured(1) : QString();
}
} // namespace

CRecordSet::CRecordSet(CProjectStore& store, QSqlDatabase db, QString sql, QVariantList values)
    : m_store(store), m_db(std::move(db)), m_sql(std::move(sql)), m_values(std::move(values))
{
    m_table = TableOfQuery(m_sql);
    // Run once to learn whether the query is sound and which columns it has; the rows are
    // read only when someone asks for them (adding rows needs none).
    QSqlQuery query(m_db);
    m_valid = Execute(query);
    if (m_valid)
        m_columns = query.record();
}

bool CRecordSet::Execute(QSqlQuery& query)
{
    query.setForwardOnly(true);
    if (CProjectStore::RunStatement(query, AdaptStatement(m_sql), m_values))
        return true;
    m_error = CProjectStore::Describe(query.lastError());
    return false;
}

void CRecordSet::Load() const
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_rows.clear();
    if (!m_valid)
        return;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!CProjectStore::RunStatement(query, AdaptStatement(m_sql), m_values))
        return;
    const int columns = query.record().count();
    while (query.next())
    {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row << query.value(i);
        m_rows << row;
    }
}

bool CRecordSet::IsEOF() const
{
    Load();
    return m_position >= m_rows.size();
}

void CRecordSet::MoveNext()
{
    if (!IsEOF())
        ++m_position;
}

void CRecordSet::MoveFirst()
{
    m_loaded = false;
    m_position = 0;
    Load();
}

QVariant CRecordSet::GetValue(const QString& column) const
{
    return GetValue(m_columns.indexOf(column));
}

QVariant CRecordSet::GetValue(int position) const
{
    if (IsEOF() || position < 0)
        return {};
    return m_rows[m_position].value(position);
}

QString CRecordSet::TextOf(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    return value.toString();
}

void CRecordSet::AddNew()
{
    m_newRow.emplace();
}

void CRecordSet::SetValue(const QString& column, const QString& text)
{
    if (!m_newRow)
        m_newRow.emplace();
    for (auto& entry : *m_newRow)
    {
        if (entry.first.compare(column, Qt::CaseInsensitive) == 0)
        {
            entry.second = text;
            return;
        }
    }
    m_newRow->append({column, text});
}

bool CRecordSet::Update()
{
    if (!m_newRow)
        return true;
    const QList<QPair<QString, QString>> row = *m_newRow;
    m_newRow.reset();
    if (m_store.RefuseWrite())
        return false;
    if (m_table.isEmpty())
    {
        m_store.Reporter().Message(QString::fromLatin1(StoreTexts::NotEditable));
        return false;
    }
    QStringList columns;
    QStringList marks;
    for (const auto& entry : row)
    {
        columns << QLatin1Char('"') + entry.first + QLatin1Char('"');
        marks << QStringLiteral("?");
    }
    QSqlQuery insert(m_db);
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(AdaptStatement(m_table), columns.join(','), marks.join(','));
    bool ok = insert.prepare(sql);
    if (ok)
    {
        for (const auto& entry : row)
            insert.addBindValue(entry.second);
        ok = insert.exec();
    }
    if (!ok)
    {
        m_store.ReportError(insert.lastError());
        return false;
    }
    return true;
}
