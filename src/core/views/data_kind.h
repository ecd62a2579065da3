#pragma once

#include <QString>

#include <optional>

// What the list shows and the commands act on. The numbers are the ones the old program
// stored and the command line still accepts.
enum class DataKind
{
    None = 0,
    Coor = 21,          // CoorEdit
    Code = 22,          // CodeEdit
    UploadV2 = 52000,   // set by the upload; no list layout
    V2Meas = 52001,     // 520Meas
    RoadStake = 52002,  // 520RoadStake
    XSect = 52003,      // 520BreakerSur
    Alignment = 52004,  // 520SurLine
    Meas = 74001,       // 740Meas
    UploadT5 = 74002,   // set by the upload; no list layout
    Calc = 74010,       // CalcCoor: points recomputed from the job
    Adjusted = 74011,   // AdjCoor: points of the last least-squares adjustment
    Traverse = 74012,   // TravCoor: the stations of the last traverse
};

constexpr int NumberOf(DataKind kind)
{
    return static_cast<int>(kind);
}

// The table a kind shows; empty for the upload kinds.
QString TableOf(DataKind kind);

// The query that fills the list of a kind, in list order.
QString FillStatementOf(DataKind kind);

// The order by which a kind's list reads, when that is not the stored order; "" otherwise.
QString ListOrderOf(DataKind kind);

// A kind by its command-line word (coor, code, meas, v2meas, roadstake, xsect, alignment, calc,
// adjusted)
// or its number; nothing when it names no listed kind.
std::optional<DataKind> DataKindFromName(const QString& name);
