#include "core/store/project_store.h"

#include "core/report/reporter.h"
#include "core/store/record_set.h"
#include "core/store/schema.h"
#include "core/store/statement.h"
#include "core/store/store_texts.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <unordered_map>

namespace
{
std::atomic<quint64> g_nextStoreSerial{1};
std::atomic<quint64> g_nextThreadSerial{1};

// The connections this thread opened, dropped when the thread ends so that a later thread
// never meets a connection that belongs to a finished one.
struct ThreadConnections
{
    quint64 threadSerial = g_nextThreadSerial.fetch_add(1);
    QStringList names;
    ~ThreadConnections()
    {
        for (const QString& name : names)
        {
            {
                QSqlDatabase db = QSqlDatabase::database(name, false);
                if (db.isValid())
                    db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }
    }
};

ThreadConnections& ThisThread()
{
    thread_local ThreadConnections connections;
    return connections;
}
} // namespace

CProjectStore::CProjectStore(QString databasePath, IReporter* reporter)
    : m_databasePath(std::move(databasePath)), m_reporter(reporter), m_serial(g_nextStoreSerial.fetch_add(1))
{
}

CProjectStore::~CProjectStore() = default;

QString CProjectStore::ConnectionName() const
{
    return QStringLiteral("merion-%1-%2").arg(m_serial).arg(ThisThread().threadSerial);
}

QString CProjectStore::Describe(const QSqlError& error)
{
    const QString engine = error.databaseText().trimmed();
    return engine.isEmpty() ? error.text().trimmed() : engine;
}

bool CProjectStore::OpenConnection(QSqlDatabase& db)
{
    db.setDatabaseName(m_databasePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
    {
        m_reporter->Message(StoreTexts::ConnectFailed(Describe(db.lastError())));
        return false;
    }
    QSqlQuery setup(db);
    QStringList statements = {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=NORMAL")};
    statements += Schema::CreateStatements();
    for (const QString& statement : statements)
    {
        if (!setup.exec(statement))
        {
            m_reporter->Message(StoreTexts::ConnectFailed(Describe(setup.lastError())));
            return false;
        }
    }
    return true;
}

bool CProjectStore::Connect()
{
    const QString name = ConnectionName();
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name, false).isOpen();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    ThisThread().names << name;
    // The connection object stays even when opening fails, so the failure is told once per
    // thread rather than at every statement.
    return OpenConnection(db);
}

QSqlDatabase CProjectStore::Database()
{
    const QString name = ConnectionName();
    if (!QSqlDatabase::contains(name))
        Connect();
    return QSqlDatabase::database(name, false);
}

std::unique_ptr<CRecordSet> CProjectStore::GetRecordSet(const QString& sql)
{
    return GetRecordSet(sql, {});
}

std::unique_ptr<CRecordSet> CProjectStore::GetRecordSet(const QString& sql, const QVariantList& values)
{
    auto recordSet = std::make_unique<CRecordSet>(*this, Database(), sql, values);
    if (!recordSet->IsValid())
        m_reporter->Message(recordSet->ErrorText());
    return recordSet;
}

bool CProjectStore::ExecuteSql(const QString& sql)
{
    return ExecuteSql(sql, {});
}

bool CProjectStore::ExecuteSql(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(Database());
    if (!RunStatement(query, AdaptStatement(sql), values))
    {
        m_reporter->Message(Describe(query.lastError()));
        return false;
    }
    return true;
}

bool CProjectStore::RunStatement(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    if (values.isEmpty())
        return query.exec(sql);
    if (!query.prepare(sql))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

void CProjectStore::Disconnect()
{
    const QString name = ConnectionName();
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    ThisThread().names.removeAll(name);
}
