#include "core/store/discarded_copy.h"

#include "core/report/reporter.h"
#include "core/store/engine_statement.h"
#include "core/store/hand_edits.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/store_texts.h"
#include "core/store/transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{
// What a discarded list's file holds of it: the columns an import takes back, in its order.
QString CopyStatementOf(const QString& table)
{
    if (table == QLatin1String("CoorEdit"))
        return QStringLiteral("select SN, NCOOR, ECOOR, ZCOOR, CODE from CoorEdit order by rowid");
    if (table == QLatin1String("CodeEdit"))
        return QStringLiteral("select SN, CODE from CodeEdit order by rowid");
    return QStringLiteral("select LINETYPE, STARTDIST, CIRCUS, NCOOR, ECOOR from 520SurLine order by STARTDIST, rowid");
}

bool HoldsRows(CProjectStore& store, const QString& table, bool& failed)
{
    CEngineStatement any(store, QStringLiteral("select exists(select 1 from ") + table + QStringLiteral(")"));
    const bool found = any.Next() && any.Integer(0) != 0;
    failed = any.Failed();
    return found;
}

// A file of its own in discarded/: an earlier copy is never overwritten, even by another
// process discarding in the same second. Gives why not, empty when the file is open.
QString CreateCopyFile(QFile& file, const QString& databasePath, const QString& table, const QDateTime& when)
{
    const QDir folder(QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("discarded")));
    if (!folder.mkpath(QStringLiteral(".")))
    {
        file.setFileName(folder.path());
        return QStringLiteral("cannot create the folder");
    }
    const QString stem = when.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + table;
    for (int number = 1;; ++number)
    {
        file.setFileName(folder.filePath(stem + (number > 1 ? QStringLiteral("-%1").arg(number) : QString())
                                         + QStringLiteral(".csv")));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return {};
        if (!file.exists())
            return file.errorString();
    }
}

bool WriteCopy(CProjectStore& store, const QString& table, const QDateTime& when)
{
    QFile file;
    const auto refuse = [&](const QString& reason) {
        store.Reporter().Message(StoreTexts::NotDiscarded(table, QDir::toNativeSeparators(file.fileName()), reason),
                                 MessageIcon::Exclamation);
        return false;
    };
    if (const QString reason = CreateCopyFile(file, store.DatabasePath(), table, when); !reason.isEmpty())
        return refuse(reason);
    CEngineStatement rows(store, CopyStatementOf(table));
    bool written = file.write("\xEF\xBB\xBF") == 3;
    QByteArray line;
    while (written && rows.Next())
    {
        line.clear();
        for (int column = 0; column < rows.ColumnCount(); ++column)
        {
            if (column > 0)
                line += ',';
            line += rows.Utf8(column);
        }
        line += "\r\n";
        written = file.write(line) == line.size();
    }
    written = written && file.flush();
    if (written && !rows.Failed())
        return true;
    // A half copy is no copy, and the rows stay where they are. A failed read has been told.
    const QString reason = file.errorString();
    file.close();
    file.remove();
    return written ? false : refuse(reason);
}
} // namespace

bool DiscardRows(CProjectStore& store, const QString& table, const QDateTime& when)
{
    if (store.RefuseWrite())
        return false;
    if (Schema::HandKeptTables().contains(table))
    {
        bool failed = false;
        const bool holdsRows = HoldsRows(store, table, failed);
        if (failed || (holdsRows && !WriteCopy(store, table, when)) || !HandEdits::MarkSaved(store, table))
            return false;
    }
    return store.ExecuteSql(QStringLiteral("delete from ") + table);
}

bool EmptyScratchTables(CProjectStore& store)
{
    if (!store.ReadOnlyReason().isEmpty())
        return true;
    // Together, so that a full disk is told once and leaves every list as it was.
    CTransaction clearing(store);
    if (!clearing.IsActive())
        return false;
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString& table : Schema::ScratchTables())
        if (!DiscardRows(store, table, now))
            return false;
    return clearing.Commit();
}
