#pragma once

#include "core/report/outcome.h"

#include <QSet>
#include <QString>

#include <vector>

// A point known in two systems: north, east and height in the first and in the second.
struct CommonPoint
{
    QString name;
    double n1 = 0, e1 = 0, z1 = 0;
    double n2 = 0, e2 = 0, z2 = 0;
};

// The plane similarity (four parameters): N2 = dN + k(N1 cos θ − E1 sin θ),
// E2 = dE + k(N1 sin θ + E1 cos θ), k = 1 + scale; θ turns from north towards east (clockwise
// on the plan, as azimuths turn).
struct SimilarityParameters
{
    double dN = 0, dE = 0; // metres
    double rotation = 0;   // radians
    double scale = 0;      // k − 1 (1e-6 is one ppm)
};

// The seven-parameter Helmert (Bursa-Wolf) transformation in the position-vector convention,
// N, E and Z taken as the Cartesian X, Y and Z (geocentric coordinates, or any right-handed
// set): X2 = T + (1 + s)·R·X1 with R = [[1, −rz, ry], [rz, 1, −rx], [−ry, rx, 1]].
struct HelmertParameters
{
    double tx = 0, ty = 0, tz = 0; // metres
    double rx = 0, ry = 0, rz = 0; // radians
    double scale = 0;              // s (1e-6 is one ppm)
};

enum class FitModel { Similarity, Helmert };

// What a common point misses by after the fit: the first system's point transformed less the
// second system's, metres. An excluded point gets its residual too, outside the fit and the RMS.
struct FitResidual
{
    QString name;
    double vN = 0, vE = 0, vZ = 0;
    bool used = true;
};

struct FitResult
{
    Outcome outcome; // Done, or CannotCompute saying why
    FitModel model = FitModel::Similarity;
    SimilarityParameters similarity;
    HelmertParameters helmert;
    std::vector<FitResidual> residuals; // one per common point, in their order
    double rms = 0; // √(Σ(vN² + vE²)/n) over the points used, metres
};

// Fits the model's parameters to the common points not excluded by least squares (every
// coordinate of equal weight). Needs two points for the similarity and three for Helmert, in a
// layout that fixes every parameter.
FitResult FitParameters(FitModel model, const std::vector<CommonPoint>& points, const QSet<QString>& excluded = {});

// The parameters as a PROJ operation, for CPointTransform: the similarity on (east, north), the
// Helmert transformation on (north, east, height) as (X, Y, Z).
QString ProjOperationOf(const SimilarityParameters& parameters);
QString ProjOperationOf(const HelmertParameters& parameters);

// Reads a file of lines PT,N1,E1,Z1,N2,E2,Z2 (GBK or UTF-8 after a byte-order mark; empty
// lines skipped). FileNotReadable, or CannotCompute naming the first line that is not of that form.
Outcome ReadCommonPoints(const QString& path, std::vector<CommonPoint>& points);

class CProjectStore;
// Transforms the point list with the fitted parameters (the similarity moves north and east;
// Helmert moves heights too and leaves points without a height as they are) and replaces it
// in one transaction. Done (saying how many points stayed as they were) or why not.
Outcome ApplyFitToList(CProjectStore& store, const FitResult& fit);
