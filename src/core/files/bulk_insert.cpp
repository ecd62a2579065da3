#include "files/bulk_insert.h"

#include "report/reporter.h"
#include "store/project_store.h"

#include <QSqlError>

CBulkInsert::CBulkInsert(CProjectStore& store, const QString& table, const QStringList& columns)
    : m_store(store), m_query(store.Database())
{
    QStringList quoted;
    QStringList marks;
    for (const QString& column : columns)
    {
        quoted << QLatin1Char('"') + column + QLatin1Char('"');
        marks << QStringLiteral("?");
    }
    m_prepared = m_query.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                     .arg(table, quoted.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    if (!m_prepared)
        Fail();
}

bool CBulkInsert::Fail()
{
    m_store.Reporter().Message(CProjectStore::Describe(m_query.lastError()));
    return false;
}

bool CBulkInsert::Add(const QVariantList& values)
{
    if (!m_prepared)
        return false;
    for (qsizetype i = 0; i < values.size(); ++i)
        m_query.bindValue(int(i), values[i]);
    if (!m_query.exec())
        return Fail();
    return true;
}
