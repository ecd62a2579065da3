#include "core/download/v2_records.h"

#include "core/store/project_store.h"
#include "core/views/data_kind.h"

namespace
{
struct RecordEntry
{
    DataKind kind;
    QStringList tables; // emptied before a parse
    V2ParseOutcome (*parse)(CProjectStore&, const QString&);
};

const RecordEntry& EntryOf(V2Record record)
{
    static const QList<RecordEntry> entries = {
        {DataKind::V2Meas, {"520Meas", "CoorEdit"}, ParseV2Meas},
        {DataKind::Coor, {"CoorEdit"}, ParseV2Coor},
        {DataKind::RoadStake, {"520RoadStake", "CoorEdit"}, ParseV2RoadStake},
        {DataKind::XSect, {"520BreakerSur"}, ParseV2XSect},
        {DataKind::Alignment, {"520SurLine"}, ParseV2SurfaceLine},
    };
    return entries[int(record)];
}
} // namespace

std::optional<V2Record> V2RecordAt(int downloadType)
{
    if (downloadType < 0 || downloadType >= V2RecordNames().size())
        return std::nullopt;
    return V2Record(downloadType);
}

std::optional<V2Record> V2RecordOfKind(DataKind kind)
{
    for (int i = 0; i < V2RecordNames().size(); ++i)
        if (EntryOf(V2Record(i)).kind == kind)
            return V2Record(i);
    return std::nullopt;
}

const QStringList& V2RecordNames()
{
    static const QStringList names = {"meas", "coor", "roadstake", "xsect", "alignment"};
    return names;
}

std::optional<V2Record> V2RecordFromName(const QString& word)
{
    return V2RecordAt(int(V2RecordNames().indexOf(word)));
}

DataKind KindOfV2Record(V2Record record)
{
    return EntryOf(record).kind;
}

bool ClearV2Tables(CProjectStore& store, V2Record record)
{
    bool ok = true;
    for (const QString& table : EntryOf(record).tables)
        ok = store.ExecuteSql(QStringLiteral("delete from ") + table) && ok;
    return ok;
}

V2ParseOutcome ParseV2(CProjectStore& store, V2Record record, const QString& text)
{
    return EntryOf(record).parse(store, text);
}
