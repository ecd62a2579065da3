#pragma once

#include "core/report/outcome.h"

#include <QString>

#include <functional>
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

// A point's standard error ellipse, on the ground: semi-axes in metres, the major axis's
// azimuth clockwise from north in radians.
struct PlanEllipse
{
    double east = 0;
    double north = 0;
    double major = 0;
    double minor = 0;
    double azimuth = 0;
};

// A residual vector: from the adjusted point (east, north), where one pointing alone puts it
// (metres on the ground).
struct PlanVector
{
    double east = 0;
    double north = 0;
    double toEast = 0;
    double toNorth = 0;
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
    // The adjusted points' ellipses and residual vectors, drawn `exaggeration` times their
    // size (0: none to draw).
    std::vector<PlanEllipse> ellipses;
    std::vector<PlanVector> residuals;
    double exaggeration = 0;
    bool misclosure = false; // the one vector is a traverse's misclosure, not residuals

    void Add(PlanPoint point);
};

// A coordinate text as a number; nothing for an empty text, a text that is no number, or
// one too large to be a coordinate.
std::optional<double> CoordinateValue(const QString& text);
// The same for a text as stored (UTF-8), without making a string of it: a million rows read
// for a conversion spend most of their time here.
std::optional<double> StoredCoordinateValue(QByteArrayView utf8);

// Who follows a reading of the plan: a million rows take seconds. Every `Rows` rows read it is
// given the points so far and the rows read, and answers whether to go on (false: the
// reading stops, and what it gives is not the plan).
struct PlanReadWatch
{
    static constexpr qint64 Rows = 8192;
    std::function<bool(const PlanData& soFar, qint64 rowsRead)> onStep;
};

// The points of CoorEdit, and, when the list shows a measurement job (740Meas or 520Meas),
// that job's stations and observed points with the sights between them; when it shows the
// recomputed points (CalcCoor), those; when it shows the adjusted points (AdjCoor), those (the
// fixed ones as control) with their error ellipses and residual vectors; when it shows the last
// traverse (TravCoor), its stations joined in order, with the coordinate misclosure at its far
// end, enlarged. `listKind` is the
// kind the list shows: the points of that table carry their list row. A failed query has
// been reported and gives no points.
PlanData ReadPlanData(CProjectStore& store, DataKind listKind, const PlanReadWatch* watch = nullptr);
// How many rows ReadPlanData reads for a list kind, for telling how far it got; nothing when the
// store failed (reported).
std::optional<qint64> PlanRowsToRead(CProjectStore& store, DataKind listKind);

// How many times the ellipses and residual vectors are enlarged: 1, 2 or 5 times a power of
// ten, so that the largest (`largest`, metres: the largest ellipse, or without ellipses the
// longest vector) takes about a twentieth of the plan's larger side. 0 when there is nothing
// to enlarge.
double ChooseExaggeration(const PlanBounds& bounds, double largest);

// A plan's file written whole: Done, telling how many points were left out, if any.
Outcome PlanWritten(const PlanData& data);
