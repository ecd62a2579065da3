#pragma once

#include "core/report/outcome.h"

#include <QString>

#include <optional>
#include <vector>

class CProjectStore;
enum class DataKind;

// What a drawn point stands for: a point of the coordinate list, or, when a measurement job
// is listed, one of the job's stations, observed points or entered points; when the recomputed
// points are listed, one of them, Flagged where it lies beyond the tolerance from the
// instrument's own coordinates.
enum class PlanRole { Point, Station, Observed, Entered, Flagged };

struct PlanPoint
{
    double east = 0;
    double north = 0;
    double height = 0; // 0 when the height is empty or no number
    QString name;
    QString code;
    PlanRole role = PlanRole::Point;
    int listRow = -1; // the point's row in the list shown beside the plan, −1 when not listed
};

// A sight from a station to a point it observed (indices into PlanData::points).
struct PlanSight
{
    int station;
    int target;
};

struct PlanBounds
{
    double minEast = 0, minNorth = 0, maxEast = 0, maxNorth = 0;
    bool empty = true;
    void Include(double east, double north);
};

struct PlanData
{
    std::vector<PlanPoint> points;
    std::vector<PlanSight> sights;
    int skipped = 0; // rows whose east or north is no number: not drawn, only counted
    bool readFailed = false; // a table could not be read (the store has said why)
    PlanBounds bounds;

    void Add(PlanPoint point);
};

// A coordinate text as a number; nothing for an empty text, a text that is no number, or
// one too large to be a coordinate.
std::optional<double> CoordinateValue(const QString& text);

// The points of CoorEdit, and, when the list shows a measurement job (740Meas or 520Meas),
// that job's stations and observed points with the sights between them; when it shows the
// recomputed points (CalcCoor), those. `listKind` is the
// kind the list shows: the points of that table carry their list row. A failed query has
// been reported and gives no points.
PlanData ReadPlanData(CProjectStore& store, DataKind listKind);

// A plan's file written whole: Done, telling how many points were left out, if any.
Outcome PlanWritten(const PlanData& data);
