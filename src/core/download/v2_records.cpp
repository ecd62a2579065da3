#include "core/download/v2_records.h"

#include "core/download/v2_parsers.h"
#include "core/views/data_kind.h"

namespace
{
struct RecordEntry
{
    DataKind kind;
    ParsedJob (*parse)(const QString&);
    std::unique_ptr<IJobParse> (*parseByLine)();
};

const RecordEntry& EntryOf(V2Record record)
{
    static const QList<RecordEntry> entries = {
        {DataKind::V2Meas, ParseV2Meas, V2MeasParse},
        {DataKind::Coor, ParseV2Coor, V2CoorParse},
        {DataKind::RoadStake, ParseV2RoadStake, V2RoadStakeParse},
        {DataKind::XSect, ParseV2XSect, V2XSectParse},
        {DataKind::Alignment, ParseV2SurfaceLine, V2SurfaceLineParse},
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

std::unique_ptr<IJobParse> V2ParseByLine(V2Record record)
{
    return EntryOf(record).parseByLine();
}
