#pragma once

#include "core/compute/adjustment/network.h"
#include "core/report/outcome.h"

#include <optional>
#include <vector>

namespace Adjustment
{
// The standard (1σ) error ellipse of a point.
struct ErrorEllipse
{
    double major = 0.0;   // semi-axis A (m)
    double minor = 0.0;   // semi-axis B (m)
    double azimuth = 0.0; // of the major axis, clockwise from north, in [0, π) (radians)
};

struct AdjustedPoint
{
    int point = -1; // index into Network::points
    double north = 0.0;
    double east = 0.0;
    double approximateNorth = 0.0; // where the iterations started
    double approximateEast = 0.0;
    Datum datum = Datum::Free;
    // Absent for a fixed point.
    std::optional<double> sigmaNorth;
    std::optional<double> sigmaEast;
    std::optional<ErrorEllipse> ellipse;
};

struct AdjustedHeight
{
    int point = -1;
    double height = 0.0;
    Datum datum = Datum::Free;
    std::optional<double> sigma; // absent for a fixed height
};

struct AdjustedOrientation
{
    int setup = -1;
    double orientation = 0.0; // azimuth = direction + orientation (radians)
    double sigma = 0.0;
};

// One observation after the adjustment. Directions in radians, the others in metres.
struct Residual
{
    ObservationRef ref;
    double observed = 0.0;
    double adjusted = 0.0;
    double residual = 0.0;   // adjusted − observed
    double sigma = 0.0;      // a priori
    double redundancy = 0.0; // its share of the degrees of freedom, 0..1
    // v / σ_v; absent where the observation is not checked by any other (redundancy ≈ 0).
    std::optional<double> standardized;
};

// The global test of the adjustment: vᵀPv against the χ² distribution with dof degrees of freedom.
struct GlobalTest
{
    double weightedSquareSum = 0.0; // vᵀPv
    int dof = 0;
    std::optional<double> sigma0;   // a posteriori; absent without redundancy
    // Two-sided at 95 %: σ0² · dof must lie between the 2.5 % and 97.5 % points.
    double lowerBound = 0.0;
    double upperBound = 0.0;
    bool made = false; // false without redundancy
    bool passed = false;
};

// The residual that data snooping names: the largest standardized residual.
struct Snooping
{
    int residual = -1; // index into the residuals, -1 when none can be tested
    double largest = 0.0;
    bool beyondCritical = false; // |w| above the critical value
};

// Baarda's critical value for the w-test (α0 = 0.1 %, β = 80 %).
inline constexpr double CriticalStandardizedResidual = 3.29;

struct PlanAdjustment
{
    Outcome outcome; // Done, CannotCompute with the reason, or Cancelled (nothing else is set)
    std::vector<AdjustedPoint> points;
    std::vector<AdjustedOrientation> orientations;
    std::vector<Residual> residuals;
    GlobalTest test;
    Snooping snooping;
    int iterations = 0;
    int unknowns = 0;
    int observations = 0;
    // Points not fixed that a single observation reaches (a lone direction to a far mark):
    // they cannot be determined, so they and that observation stay out of the adjustment.
    std::vector<int> leftOut;
};

struct HeightAdjustment
{
    Outcome outcome;
    std::vector<AdjustedHeight> heights;
    std::vector<Residual> residuals;
    GlobalTest test;
    Snooping snooping;
    int unknowns = 0;
    int observations = 0;
};
} // namespace Adjustment
