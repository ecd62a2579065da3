#include "test_database.h"

#include "store/record_set.h"

#include <QTest>

CTestDatabase::CTestDatabase() : m_path(m_dir.filePath(QStringLiteral("project.db")))
{
    m_store = std::make_unique<CProjectStore>(m_path, &m_reporter);
    m_store->Connect();
}

CTestDatabase::~CTestDatabase()
{
    m_store->Disconnect();
}

void CTestDatabase::Run(const QStringList& statements)
{
    for (const QString& statement : statements)
        if (!m_store->ExecuteSql(statement))
            QTest::qFail(qPrintable(QStringLiteral("setup statement failed: ") + statement), __FILE__, __LINE__);
}

QStringList CTestDatabase::Rows(const QString& sql)
{
    QStringList rows;
    auto recordSet = m_store->GetRecordSet(sql);
    for (; !recordSet->IsEOF(); recordSet->MoveNext())
    {
        QStringList cells;
        for (int i = 0; i < recordSet->ColumnCount(); ++i)
            cells << recordSet->GetText(i);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

int CTestDatabase::Count(const QString& table)
{
    auto recordSet = m_store->GetRecordSet(QStringLiteral("select count(*) from ") + table);
    return recordSet->GetValue(0).toInt();
}
