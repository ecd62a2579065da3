#pragma once

#include <QList>
#include <QString>

#include <optional>

// The values every computation of a job works on, read from the stored observations.
//
// Conventions, held by everything in core/compute:
// - Angles are radians. Seconds of arc appear only in results meant for reports.
// - A horizontal reading (HA) runs clockwise and is oriented: once the backsight is set it
//   reads the grid azimuth, so a point is N = Ns + HD·cos(HA + ω), E = Es + HD·sin(HA + ω),
//   where ω is the setup's orientation correction (0 unless the station or backsight
//   coordinates were corrected).
// - A vertical reading (VA) is a zenith angle: 0 straight up, π/2 level, above π on face
//   right. HD = SD·sin VA, and Z = Zs + IH + SD·cos VA − PH.
// - Observations are given as face left. Both faces of one target in one setup are meaned
//   into one observation (faces == 2) that replaces the pair; a lone face-right reading is
//   turned to face left (HA − π, 2π − VA). The pair itself stays in Setup::pairs for checks.
// - Azimuths and horizontal readings are kept in [0, 2π).
// - Coordinates are metres, north-first (N, E, Z) throughout.
// Plain values only: a setup can be copied, kept and handed to another thread.

struct PointNEZ
{
    double n = 0;
    double e = 0;
    std::optional<double> z; // absent when the record carries no height
};

// A control point of the surveyor's: from the coordinate list, a coordinate file, or the
// job's own station and backsight rows.
struct KnownPoint
{
    QString name;
    PointNEZ coordinates;
    QString code;
};

// One pointing of the instrument at a target, face left.
struct Observation
{
    QString target;
    QString code;
    double ha = 0;              // oriented horizontal reading, radians, [0, 2π)
    double va = 0;              // zenith angle, radians
    std::optional<double> sd;   // slope distance, metres; absent for an angle-only pointing
    double ph = 0;              // target height, metres
    // The coordinates the instrument itself computed for this pointing (the Measure-Coor row
    // that follows a Dist row for the same point), when there is one.
    std::optional<PointNEZ> instrument;
    int faces = 1;              // 2 when this is the mean of a face-left/face-right pair
    qint64 row = 0;             // ID of the job row (the face-left row of a pair)
};

// Two pointings at one target from one setup on both faces.
struct FacePair
{
    QString target;
    qint64 leftRow = 0;
    qint64 rightRow = 0;
    double haLeft = 0, haRight = 0; // as read, radians
    double vaLeft = 0, vaRight = 0;
    double ha = 0;          // mean direction, face left, radians
    double va = 0;          // mean zenith angle, face left, radians
    double c2Seconds = 0;   // 2C = HA_left − (HA_right ∓ 180°), seconds of arc
    double indexSeconds = 0; // index error = (VA_left + VA_right − 360°) / 2, seconds of arc
};

// How the instrument was oriented.
struct Backsight
{
    QString name;
    std::optional<PointNEZ> coordinates; // as the job row gives them, when it gives them
    double azimuth = 0;                  // PA: the azimuth set on the backsight, radians
    double ph = 0;
    std::optional<double> hd;            // the horizontal distance the row records, metres
    bool byAngle = false;                // a "Backsight Angle" row rather than "Backsight-Coor"
    qint64 row = 0;
};

// A "Station" row and everything up to the next one.
struct Setup
{
    QString station;
    QString code;
    std::optional<PointNEZ> coordinates; // as the job row gives them
    double ih = 0;                       // instrument height, metres
    std::optional<Backsight> backsight;
    QList<Observation> observations;     // in job order, both-face pairs meaned
    QList<FacePair> pairs;
    qint64 row = 0;
};
