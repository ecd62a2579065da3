#include "gui/views/column_fitter.h"

#include "core/store/project_store.h"
#include "core/views/longest_cells.h"

CColumnFitter::~CColumnFitter()
{
    StopAndWait();
}

void CColumnFitter::Start(const QString& databasePath, DataKind kind)
{
    Launch([this, databasePath, kind](const std::atomic<bool>& stop) {
        KeptMessageList messages;
        QStringList longest;
        {
            CKeptMessages kept(messages);
            CProjectStore reader(databasePath, &kept);
            longest = LongestCells(reader, kind, &stop);
            reader.Disconnect();
        }
        if (!stop)
            emit Found(longest, messages);
    });
}
