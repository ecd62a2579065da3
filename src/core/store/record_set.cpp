#include "store/record_set.h"

#include "report/reporter.h"
#include "store/project_store.h"
#include "store/statement.h"
#include "store/store_texts.h"

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

CRecordSet::CRecordSet(CProjectStore& store, QSqlDatabase db, QString sql)
    : m_store(store), m_db(std::move(db)), m_sql(std::move(sql)), m_query(m_db)
{
    m_table = TableOfQuery(m_sql);
    m_query.setForwardOnly(true);
    Run();
}

void CRecordSet::Run()
{
    m_valid = m_query.exec(AdaptStatement(m_sql));
    if (!m_valid)
    {
        m_error = CProjectStore::Describe(m_query.lastError());
        m_atEnd = true;
        m_record = QSqlRecord();
        return;
    }
    m_atEnd = !m_query.next();
    m_record = m_query.record();
}

void CRecordSet::MoveNext()
{
    if (m_atEnd)
        return;
    m_atEnd = !m_query.next();
    if (!m_atEnd)
        m_record = m_query.record();
}

void CRecordSet::MoveFirst()
{
    if (m_valid)
        Run();
}

QVariant CRecordSet::GetValue(const QString& column) const
{
    if (m_atEnd)
        return {};
    return m_record.value(column);
}

QVariant CRecordSet::GetValue(int position) const
{
    if (m_atEnd || position < 0 || position >= m_record.count())
        return {};
    return m_record.value(position);
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
        m_store.Reporter().Message(CProjectStore::Describe(insert.lastError()));
        return false;
    }
    return true;
}
