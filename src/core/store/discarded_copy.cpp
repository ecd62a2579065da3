#include "core/store/discarded_copy.h"

#include "core/report/reporter.h"
#include "core/store/engine_sql.h"
#include "core/store/hand_edits.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
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
    const QString rowid = EngineSql::RowId();
    if (table == Tbl::CoorEdit)
        return Sql("select %2, %3, %4, %5, %6 from %1 order by ", {table, Col::SN, Col::NCOOR, Col::ECOOR, Col::ZCOOR, Col::CODE})
               + rowid;
    if (table == Tbl::CodeEdit)
        return Sql("select %2, %3 from %1 order by ", {table, Col::SN, Col::CODE}) + rowid;
    return Sql("select %2, %3, %4, %5, %6 from %1 order by %3, ",
               {Tbl::SurLine520, Col::LINETYPE, Col::STARTDIST, Col::CIRCUS, Col::NCOOR, Col::ECOOR})
           + rowid;
}

bool HoldsRows(CProjectStore& store, const QString& table, bool& failed)
{
    CStatement any(store, Sql("select exists(select 1 from %1)", {table}));
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
        store.Reporter().Message(StoreTexts::NotDiscarded.Arg(table, QDir::toNativeSeparators(file.fileName()), reason),
                                 MessageIcon::Exclamation);
        return false;
    };
    if (const QString reason = CreateCopyFile(file, store.DatabasePath(), table, when); !reason.isEmpty())
        return refuse(reason);
    CStatement rows(store, CopyStatementOf(table));
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
    // A database held in memory has no folder beside it and ends with the run: there is no
    // project whose rows a copy could keep.
    const bool inMemory = store.DatabasePath() == QLatin1String(":memory:");
    if (Schema::HandKeptTables().contains(table) && !inMemory)
    {
        bool failed = false;
        const bool holdsRows = HoldsRows(store, table, failed);
        if (failed || (holdsRows && !WriteCopy(store, table, when)) || !HandEdits::MarkSaved(store, table))
            return false;
    }
    return RunStatement(store, Sql("delete from %1", {table}));
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
