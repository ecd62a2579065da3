#pragma once

#include "core/download/parsed_job.h"
#include "core/views/data_kind.h"

#include <QString>
#include <QStringList>

#include <optional>

// The five kinds of T8 version 2 text, in the order the download-type list offers them (the
// position is the download-type index).
enum class V2Record { Meas, Coor, RoadStake, XSect, Alignment };

std::optional<V2Record> V2RecordAt(int downloadType);
// The record kind whose parse a data kind shows (21, 52001 to 52004); nothing for the others.
std::optional<V2Record> V2RecordOfKind(DataKind kind);
// By its command-line word: meas, coor, roadstake, xsect, alignment.
std::optional<V2Record> V2RecordFromName(const QString& word);
const QStringList& V2RecordNames();
// The data kind that shows what a parse of that record kind wrote (52001, 21, 52002, 52003, 52004).
DataKind KindOfV2Record(V2Record record);

ParsedJob ParseV2(V2Record record, const QString& text);
// The same fed line by line, for imports of any size.
std::unique_ptr<IJobParse> V2ParseByLine(V2Record record);
