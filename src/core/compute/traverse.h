#pragma once

#include "core/compute/setup.h"
#include "core/report/outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Traverse computation ("导线计算"): angles from the oriented readings at each station to its
// neighbours, azimuths carried from a known orientation, the angular misclosure shared
// equally among the angles and the coordinate misclosure by the compass rule.
enum class TraverseShape
{
    Attached, // A→B … C→D between two known points with known orientations at both ends
    Closed,   // A→B … B→A: a loop back to its start
    Open,     // A→B … Sn: hanging, nothing to check against
};

// The angle at one station, from the station behind to the one ahead, clockwise.
struct TraverseAngle
{
    QString at, back, ahead;
    double observed = 0;   // radians, [0, 2π)
    double correction = 0; // radians; 0 for a closed loop's connecting angle
    double adjusted = 0;
    int faces = 1;         // 2 when both pointings were meaned from both faces
};

struct TraverseLeg
{
    QString from, to;
    std::optional<double> forwardHd, backHd; // metres, as measured from each end
    double distance = 0;  // the mean of the two where both exist
    double azimuth = 0;   // from the adjusted angles, radians
    double dn = 0, de = 0; // computed increments, metres
    double vn = 0, ve = 0; // compass-rule corrections, metres
};

struct TraversePoint
{
    QString name;
    double n = 0, e = 0;
    bool known = false;
};

struct TraverseResult
{
    Outcome outcome; // CannotCompute (detail says why) when the route cannot be computed
    TraverseShape shape = TraverseShape::Open;
    QStringList route;
    double startAzimuth = 0;                 // A→B, radians
    std::optional<double> endAzimuth;        // C→D (closed: B→S1) as known
    std::optional<double> endAzimuthCarried; // the same, carried through the observed angles
    QList<TraverseAngle> angles;
    QList<TraverseLeg> legs;
    QList<TraversePoint> points; // B, S1 … Sn, C with adjusted coordinates
    std::optional<double> angularMisclosure; // fβ, radians
    int angleCount = 0;                      // n in fβ's limit
    double fx = 0, fy = 0, f = 0;            // coordinate misclosure, metres (checked shapes)
    double length = 0;                       // ΣD, metres
    // N of the relative misclosure K = 1/N (ΣD / f); absent when f is nil or unchecked.
    std::optional<double> relativeDenominator;
};

// A grade of traverse: a row of the grade table the user keeps.
struct TraverseGrade
{
    QString name;
    int maxStations = 0;            // 0: no limit
    double angleSecondsPerRoot = 0; // fβ limit = this × √n, seconds of arc
    double relativeDenominator = 0; // K limit = 1 / this
    double maxLengthKm = 0;         // 0: no limit
};

struct GradeCheck
{
    QString grade;
    double angleLimitSeconds = 0;
    bool angleMet = false;
    bool relativeMet = false;
    bool stationsMet = true;
    bool lengthMet = true;
    bool Passed() const { return angleMet && relativeMet && stationsMet && lengthMet; }
};

// The traverse along `route` (A, B, S1 … Sn, C, D; a closed loop A, B, S1 … Sn, B, A; an open
// one A, B, S1 … Sn). A and B, and for an attached traverse C and D, are known points; the
// stations B … C are setups of the job with pointings at their neighbours. The last two names
// being known points makes the traverse attached (closed when they are B and A); otherwise it is
// open. Angles from the first setup at a station that points at both neighbours; distances
// from every setup at either end.
TraverseResult ComputeTraverse(const QList<Setup>& setups, const QList<KnownPoint>& known, const QStringList& route);

// Whether a checked traverse meets a grade; an open traverse meets none.
GradeCheck CheckGrade(const TraverseResult& result, const TraverseGrade& grade);

// The grade a traverse is held to: the one named, or without a name the first of `grades`
// (strictest first) that it meets, else the last. Nothing when the name is unknown or there
// are no grades.
std::optional<qsizetype> ChooseGrade(const TraverseResult& result, const QList<TraverseGrade>& grades, const QString& name);
