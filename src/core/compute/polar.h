#pragma once

#include "core/compute/setup.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// Recomputing the job's points from their setups ("重算坐标").
struct PolarOptions
{
    std::optional<double> refraction = 0.14; // coefficient k; absent: no earth curvature and refraction
    double earthRadius = 6371000;            // metres
    double scale = 1;                        // projection scale factor applied to horizontal distances
    double toleranceMm = 10;                 // a point differing more from the instrument's is flagged
    QHash<QString, double> instrumentHeights; // corrected IH by station name
    QHash<QString, double> targetHeights;     // corrected PH by point name
};

// How one setup was placed and oriented, with the backsight check.
struct SetupPlacement
{
    QString station;
    qint64 row = 0;
    std::optional<PointNEZ> stationAt; // the coordinates used: known, else the job's; absent: not computable
    bool stationCorrected = false;    // a known point moved the station
    bool backsightCorrected = false;  // a known point moved the backsight
    double ih = 0;
    double omega = 0;                 // orientation correction, radians
    // The backsight check: from the coordinates used, and as the job recorded it.
    QString backsight;
    std::optional<double> backsightAzimuth;    // station → backsight, radians
    double backsightSetAzimuth = 0;            // PA
    std::optional<double> backsightDistance;   // station → backsight, metres
    std::optional<double> backsightRecordedHd; // HD of the backsight row
    std::optional<double> backsightMeasuredHd; // a distance pointing at the backsight in this setup
};

struct ComputedPoint
{
    QString point;
    QString station;
    QString code;
    qint64 row = 0;  // the pointing's job row
    int setup = 0;   // index into PolarResult::setups
    double hd = 0;   // reduced horizontal distance (scale applied), metres
    double azimuth = 0; // HA + ω, radians
    double n = 0, e = 0;
    std::optional<double> z;
    // Recomputed minus the instrument's own coordinates, millimetres; absent where the instrument
    // gave none (or no height).
    std::optional<double> dnMm, deMm, dzMm;
    bool flagged = false;
};

struct PolarResult
{
    QList<SetupPlacement> setups;
    QList<ComputedPoint> points; // every distance pointing of a placed setup, in job order
    int flagged = 0;
};

// Earth curvature and refraction added to a trigonometric height difference: (1 − k)·HD² / 2R.
double CurvatureAndRefraction(double hd, double k, double earthRadius);

// Every distance pointing of every setup as a point: HD = SD·sin VA·scale; N = Ns + HD·cos(HA + ω);
// E = Es + HD·sin(HA + ω); Z = Zs + IH + SD·cos VA − PH (+ curvature and refraction). A station or
// backsight whose name is a known point takes the known coordinates; when that moves either
// of them, ω = azimuth(station → backsight) − PA, else ω = 0. A setup without station
// coordinates places no point.
PolarResult ComputePoints(const QList<Setup>& setups, const QList<KnownPoint>& known, const PolarOptions& options = {});
