#include "core/store/project_store.h"

#include "core/report/reporter.h"
#include "core/store/engine_sql.h"
#include "core/store/journal_snapshot.h"
#include "core/store/schema.h"
#include "core/store/schema_check.h"
#include "core/store/store_texts.h"

#include "core/store/connection_state.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <QSqlQuery>
#include <QStringList>

#include <unordered_map>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

namespace
{
// What keeps the database at `path` from being written, in the user's words; empty when
// nothing does. The operating system's answer counts, not the permission bits: the
// administrator may write anything, and nobody writes to a read-only medium.
QString WriteObstacle(const QString& path)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
#ifdef Q_OS_UNIX
    const auto obstacle = [](const QString& target, const QString& denied) -> QString {
        if (::access(QFile::encodeName(target).constData(), W_OK) == 0)
            return {};
        return errno == EROFS ? StoreTexts::MediumReadOnly : denied;
    };
    if (file.exists())
        if (QString reason = obstacle(path, StoreTexts::FileReadOnly); !reason.isEmpty())
            return reason;
    if (QString reason = obstacle(folder, StoreTexts::FolderReadOnly); !reason.isEmpty())
        return reason;
#else
    if (file.exists() && !file.isWritable())
        return StoreTexts::FileReadOnly;
    if (!QFileInfo(folder).isWritable())
        return StoreTexts::FolderReadOnly;
#endif
    return {};
}

// A full disk is no lasting obstacle: it only explains why a project could not be opened for writing.
bool NoSpaceLeftBeside(const QString& path)
{
#ifdef Q_OS_UNIX
    struct statvfs space;
    return ::statvfs(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &space) == 0 && space.f_bavail == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

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
    EngineSql::PrepareEngine();
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
    const QString reason = WriteObstacle(m_databasePath);
    const bool exists = QFileInfo::exists(m_databasePath);
    if (!reason.isEmpty() && exists)
        return OpenForReading(db, reason);

    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    QSqlError failure;
    if (!db.open())
        failure = db.lastError();
    else
    {
        QSqlQuery setup(db);
        QStringList statements = EngineSql::ConnectionSetup();
        statements += Schema::CreateStatements();
        for (const QString& statement : statements)
        {
            if (!setup.exec(statement))
            {
                failure = setup.lastError();
                break;
            }
        }
        if (!failure.isValid())
        {
            QMutexLocker lock(&m_stateMutex);
            if (!m_openedFile.exists)
                m_openedFile = IdentityOf(m_databasePath);
            return true;
        }
        db.close();
    }
    // A project that only a full disk (or an unexpected refusal to write) keeps from opening
    // is still shown.
    using EngineSql::Failure;
    const Failure code = EngineSql::FailureOf(failure.nativeErrorCode().toInt());
    if (exists && (code == Failure::ReadOnly || code == Failure::CantOpen || code == Failure::DiskFull || code == Failure::IoError))
    {
        QString found = WriteObstacle(m_databasePath);
        if (found.isEmpty())
            found = NoSpaceLeftBeside(m_databasePath) || code == Failure::DiskFull ? StoreTexts::NoSpaceLeft : StoreTexts::FileReadOnly;
        if (OpenForReading(db, found, /*quiet=*/true))
            return true;
    }
    m_reporter->Message(StoreTexts::ConnectFailed.Arg(Describe(failure)));
    return false;
}

bool CProjectStore::OpenForReading(QSqlDatabase& db, const QString& reason, bool quiet)
{
    QSqlError failure;
    const auto opened = [&](const QString& options, const QString& name) {
        db.setConnectOptions(options);
        db.setDatabaseName(name);
        if (!db.open())
        {
            failure = db.lastError();
            return false;
        }
        QSqlQuery probe(db);
        if (probe.exec(EngineSql::ReadableProbe()))
            return true;
        failure = probe.lastError();
        db.close();
        return false;
    };
    const auto readOnly = [&] {
        QMutexLocker lock(&m_stateMutex);
        m_readOnlyReason = reason;
        return true;
    };
    const QString options = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000");
    // Reading a journalled database normally shares the journal's index file beside it.
    if (opened(options, m_databasePath))
        return readOnly();
    // Where that index cannot be made (a read-only folder or medium), commits still in the
    // journal are read from a private copy; a file without such commits is read as it stands.
    if (CJournalSnapshot::JournalHoldsChanges(m_databasePath))
    {
        const QString snapshot = JournalSnapshotPath();
        if (!snapshot.isEmpty() && opened(options, snapshot))
            return readOnly();
        m_reporter->Message(StoreTexts::JournalUnreadable.Arg(snapshot.isEmpty() ? JournalSnapshotError() : Describe(failure)));
        return false;
    }
    const QString uri = QUrl::fromLocalFile(m_databasePath).toString(QUrl::FullyEncoded);
    if (opened(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"), uri + QStringLiteral("?immutable=1")))
        return readOnly();
    if (!quiet)
        m_reporter->Message(StoreTexts::ConnectFailed.Arg(Describe(failure)));
    return false;
}

QString CProjectStore::JournalSnapshotPath()
{
    QMutexLocker lock(&m_stateMutex);
    if (!m_journalSnapshot)
        m_journalSnapshot = std::make_unique<CJournalSnapshot>(m_databasePath);
    return m_journalSnapshot->Path();
}

QString CProjectStore::JournalSnapshotError() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_journalSnapshot ? m_journalSnapshot->Error() : QString();
}

QString CProjectStore::ReadOnlyReason() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_readOnlyReason;
}

bool CProjectStore::RefuseWrite()
{
    QSqlDatabase db = Database(); // the first connection finds out whether the project can be written
    const QString reason = ReadOnlyReason();
    if (!reason.isEmpty())
    {
        m_reporter->Message(reason == StoreTexts::NoSpaceLeft ? StoreTexts::DiskFull : StoreTexts::ReadOnly.Arg(reason));
        return true;
    }
    // Before a transaction (or a statement of its own) begins; inside one, its commit asks.
    if (!InTransaction(db) && !FileStillInPlace())
        return true;
    return TransactionBroken(db);
}

bool CProjectStore::FileStillInPlace()
{
    QString rescuedAs;
    QString failure;
    {
        QMutexLocker lock(&m_stateMutex);
        if (!m_openedFile.exists || IdentityOf(m_databasePath) == m_openedFile)
            return true;
        // The copy is made once, from this thread's connection outside any transaction (the
        // engine copies only then); later refusals repeat where it went.
        QSqlDatabase db = QSqlDatabase::database(ConnectionName(), false);
        if (m_rescuedAs.isEmpty() && db.isOpen() && !InTransaction(db))
        {
            m_rescuedAs = SaveBeside(db, failure);
            // The journal beside the path still holds this file's last commits, and the engine
            // would apply them to whatever file next opens under that name: they go back into
            // the file they belong to, and the journal is emptied.
            QSqlQuery checkpoint(db);
            checkpoint.exec(EngineSql::EmptyJournal());
        }
        rescuedAs = m_rescuedAs;
    }
    if (!rescuedAs.isEmpty())
        m_reporter->Message(StoreTexts::FileMoved.Arg(m_databasePath, rescuedAs));
    else
        m_reporter->Message(StoreTexts::FileMovedNotSaved.Arg(m_databasePath, failure));
    return false;
}

QString CProjectStore::SaveBeside(const QSqlDatabase& db, QString& failure) const
{
    const QFileInfo file(m_databasePath);
    const QString stem = file.absoluteDir().filePath(file.completeBaseName() + QStringLiteral("-rescued-") +
                                                     QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    for (int number = 1;; ++number)
    {
        const QString target = stem + (number > 1 ? QStringLiteral("-%1").arg(number) : QString()) + QStringLiteral(".db");
        if (QFileInfo::exists(target))
            continue;
        QSqlQuery copy(db);
        copy.prepare(EngineSql::CopyInto());
        copy.addBindValue(target);
        if (copy.exec())
            return target;
        failure = Describe(copy.lastError());
        return {};
    }
}

void CProjectStore::ReportError(const QSqlError& error)
{
    ReportFailure(error.nativeErrorCode().toInt(), Describe(error));
}

void CProjectStore::ReportFailure(int resultCode, const QString& description)
{
    using EngineSql::Failure;
    const Failure code = EngineSql::FailureOf(resultCode);
    QSqlDatabase db = Database();
    if (code == Failure::DiskFull || code == Failure::IoError || code == Failure::NoMemory)
    {
        // Inside a transaction the first of these is told; the rest of it is refused unheard.
        if (TransactionBroken(db))
            return;
        MarkTransactionBroken(db);
    }
    if (code == Failure::DiskFull)
        m_reporter->Message(StoreTexts::DiskFull);
    else if (code == Failure::ReadOnly)
    {
        const QString obstacle = WriteObstacle(m_databasePath);
        m_reporter->Message(StoreTexts::ReadOnly.Arg(obstacle.isEmpty() ? StoreTexts::FileReadOnly : obstacle));
    }
    else
        m_reporter->Message(description);
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
    if (!OpenConnection(db))
        return false;
    if (const QString missing = MissingColumn(db); !missing.isEmpty())
    {
        db.close();
        m_reporter->Message(StoreTexts::MissingColumn.Arg(QDir::toNativeSeparators(m_databasePath), missing));
        return false;
    }
    return true;
}

QSqlDatabase CProjectStore::Database()
{
    const QString name = ConnectionName();
    if (!QSqlDatabase::contains(name))
        Connect();
    return QSqlDatabase::database(name, false);
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

void CProjectStore::Reopen(QString databasePath)
{
    Disconnect();
    QMutexLocker lock(&m_stateMutex);
    m_databasePath = std::move(databasePath);
    // Connections another thread still keeps name the old file; they are never asked for again.
    m_serial = g_nextStoreSerial.fetch_add(1);
    m_readOnlyReason.clear();
    m_journalSnapshot.reset();
    m_openedFile = {};
    m_rescuedAs.clear();
    m_written.store(false);
}
