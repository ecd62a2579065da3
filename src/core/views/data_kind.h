#pragma once

#include <QString>

#include <optional>

// What the list shows and the commands act on.
namespace DataKind
{
constexpr int Coor = 21;          // CoorEdit
constexpr int Code = 22;          // CodeEdit
constexpr int V2Meas = 52001;     // 520Meas
constexpr int RoadStake = 52002;  // 520RoadStake
constexpr int XSect = 52003;      // 520BreakerSur
constexpr int Alignment = 52004;  // 520SurLine
constexpr int Meas = 74001;       // 740Meas
constexpr int UploadT5 = 74002;   // set by the upload; no list layout
constexpr int UploadV2 = 52000;   // set by the upload; no list layout

// The table a kind shows; empty for the upload kinds.
QString TableOf(int kind);

// The query that fills the list of a kind, in list order.
QString FillStatementOf(int kind);

// A kind by its command-line word (coor, code, meas, v2meas, roadstake, xsect, alignment)
// or its number; nothing when it names no listed kind.
std::optional<int> FromName(const QString& name);
} // namespace DataKind
