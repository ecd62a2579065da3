#include "core/store/journal_snapshot.h"

#include <QFile>
#include <QFileInfo>

namespace
{
QString JournalOf(const QString& databasePath)
{
    return databasePath + QStringLiteral("-wal");
}
} // namespace

CJournalSnapshot::CJournalSnapshot(const QString& databasePath)
{
    if (!m_folder.isValid())
    {
        m_error = m_folder.errorString();
        return;
    }
    const QString copy = m_folder.filePath(QFileInfo(databasePath).fileName());
    for (const auto& [from, to] : {std::pair{databasePath, copy}, std::pair{JournalOf(databasePath), JournalOf(copy)}})
    {
        QFile source(from);
        if (!source.copy(to))
        {
            m_error = source.errorString();
            return;
        }
    }
    m_path = copy;
}

bool CJournalSnapshot::JournalHoldsChanges(const QString& databasePath)
{
    return QFileInfo(JournalOf(databasePath)).size() > 0;
}
