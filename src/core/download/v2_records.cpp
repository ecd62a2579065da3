#include "core/download/v2_records.h"

#include "core/download/v2_parsers.h"
#include "core/views/data_kind.h"

namespace
{
struct RecordEntry
{
    DataKind kind;
    ParsedJob (*parse)(const QString&);
};

const RecordEntry& EntryOf(V2Record record)
{
    static const QList<RecordEntry> entries = {
        {DataKind::V2Meas, ParseV2Meas},
        {DataKind::Coor, ParseV2Coor},
        {DataKind::RoadStake, ParseV2RoadStake},
        {DataKind::XSect, ParseV2XSect},
        {DataKind::Alignment, ParseV2SurfaceLine},
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

ParsedJob ParseV2(V2Record record, const QString& text)
{
    return EntryOf(record).parse(text);
}
