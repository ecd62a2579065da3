#include "gui/views/list_sorter.h"

#include "core/store/project_store.h"
#include "core/views/list_sort.h"

CListSorter::~CListSorter()
{
    StopAndWait();
}

void CListSorter::Start(const QString& databasePath, DataKind kind, int column, bool descending)
{
    Launch([this, databasePath, kind, column, descending](const std::atomic<bool>& stop) {
        Result result;
        {
            CKeptMessages kept(result.messages);
            CProjectStore reader(databasePath, &kept);
            std::optional<std::vector<qint64>> rowids = SortedRowids(
                reader, kind, column, descending, &stop, [this](qint64 done, qint64 total) { emit Progress(done, total); });
            if (rowids)
                result.rowids = std::make_shared<std::vector<qint64>>(std::move(*rowids));
            reader.Disconnect();
        }
        if (stop)
            return; // nobody waits for this order any more
        emit Sorted(result);
    });
}
