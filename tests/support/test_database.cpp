#include "test_database.h"

#include "table_rows.h"

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
        if (!RunStatement(*m_store, statement))
            QTest::qFail(qPrintable(QStringLiteral("setup statement failed: ") + statement), __FILE__, __LINE__);
}

QStringList CTestDatabase::Rows(const QString& sql)
{
    return TableRows(*m_store, sql);
}

QStringList CTestDatabase::MeasRows()
{
    return Rows(QStringLiteral("select ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE,PH,PA,HD,IH,HA,VA,SD,NOTES from \"740Meas\" order by ID"));
}

QStringList CTestDatabase::CoorRows()
{
    return Rows(QStringLiteral("select ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE from CoorEdit order by ID"));
}

int CTestDatabase::Count(const QString& table)
{
    return CountRows(*m_store, table);
}
