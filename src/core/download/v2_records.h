#pragma once

#include "core/download/v2_parsers.h"
#include "core/views/data_kind.h"

#include <QString>
#include <QStringList>

#include <optional>

class CProjectStore;

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

// Empties the tables a parse of that record kind fills; each delete runs, a failure is reported.
bool ClearV2Tables(CProjectStore& store, V2Record record);
V2ParseOutcome ParseV2(CProjectStore& store, V2Record record, const QString& text);
